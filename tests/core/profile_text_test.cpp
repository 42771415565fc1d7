// Settings files as text: what a reader gets from a section, and a whole
// file changed in memory and written again, every untouched byte kept.
#include <gtest/gtest.h>

#include <string>

#include "settings/profile_text.h"

namespace {

// A literal with its inner zero bytes, as the list of a section holds them.
template <size_t N>
std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

ProfileSection List(const std::string& list)
{
    return ParseSectionList(list.data(), list.size());
}

std::string Value(const ProfileSection& section, const char* key)
{
    std::string value;
    return FindProfileValue(section, key, &value) ? value : "<missing>";
}

TEST(ProfileSection, ReadsAsTheProfileReaderDoes)
{
    const ProfileSection keys = List(Bytes("Style=3\0COLOR=\"12\"\0style=9\0EMPTY=\0BARE\0QUOTE='x\0\0"));
    ASSERT_EQ(6u, keys.size());
    EXPECT_EQ("3", Value(keys, "STYLE"));          // the first of that name, whatever its case
    EXPECT_EQ("12", Value(keys, "color"));         // one pair of matching quotes goes
    EXPECT_EQ("", Value(keys, "EMPTY"));           // empty is not missing...
    EXPECT_EQ("<missing>", Value(keys, "BARE"));   // ...but a line without '=' is
    EXPECT_EQ("'x", Value(keys, "QUOTE"));
    EXPECT_EQ("<missing>", Value(keys, "NONE"));

    EXPECT_EQ(3, ProfileInt(keys, "STYLE", 7));
    EXPECT_EQ(0, ProfileInt(keys, "EMPTY", 7));
    EXPECT_EQ(7, ProfileInt(keys, "BARE", 7));
    EXPECT_EQ(-12, ParseLeadingDecimal("-12px"));
    EXPECT_EQ(0, ParseLeadingDecimal("x1"));
    EXPECT_EQ(-1294967296, ParseLeadingDecimal("3000000000"));   // wraps to 32 bits

    // Cut to the buffer, never in the middle of a double-byte character.
    const ProfileSection face = List(Bytes("FACE=\x82\xa0\x82\xa2\0\0"));
    EXPECT_EQ("\x82\xa0", ProfileString(face, "FACE", "d", 4));
    EXPECT_EQ("\x82\xa0\x82\xa2", ProfileString(face, "FACE", "d", 5));
    EXPECT_EQ("d", ProfileString(face, "NONE", "d", 5));

    // Back to the list the writer takes, without what it would drop.
    EXPECT_EQ(Bytes("Style=3\0COLOR=\"12\"\0style=9\0EMPTY=\0QUOTE='x\0\0"), SectionListText(keys));
}

TEST(ProfileSection, SettingAValueChangesOnlyWhatAReaderGets)
{
    ProfileSection keys = List(Bytes("A=\"1\"\0B=2\0a=3\0\0"));
    EXPECT_FALSE(SetProfileValue(&keys, "a", "1"));   // the same once unquoted
    EXPECT_TRUE(SetProfileValue(&keys, "b", "5"));
    EXPECT_TRUE(SetProfileValue(&keys, "C", "6"));
    EXPECT_EQ(Bytes("A=\"1\"\0B=5\0a=3\0C=6\0\0"), SectionListText(keys));
    EXPECT_TRUE(SameProfileSection(keys, List(Bytes("a=1\0b=5\0A=3\0C=\"6\"\0\0"))));
    EXPECT_FALSE(SameProfileSection(keys, List(Bytes("A=1\0C=6\0B=5\0a=3\0\0"))));
}

const char kOddFile[] = "; before any section\n"
                        "[FIRST]\r\n"
                        "  KEY = value  \r\n"
                        "; a comment\r\n"
                        "\r\n"
                        "[\x83\x5d]\r\n"   // a name whose second byte is ']'
                        "X=1\r\n"
                        "[ODD] trailing\r\n"
                        "Y=2\n"
                        "[FIRST]\r\n"
                        "KEY=shadowed\r\n"
                        "[LAST]\r\n"
                        "Z=3";   // no line end

TEST(ProfileDocument, ReadsEverySectionAndWritesItBackByteForByte)
{
    const ProfileDocument document = ParseProfileDocument(kOddFile);
    EXPECT_EQ(kOddFile, ProfileDocumentText(document));
    ASSERT_EQ(6u, document.blocks.size());
    EXPECT_EQ("value", Value(DocumentSection(document, "first"), "KEY"));
    EXPECT_EQ(1u, DocumentSection(document, "FIRST").size());   // the comment is not a key
    EXPECT_EQ("1", Value(DocumentSection(document, "\x83\x5d"), "X"));
    EXPECT_EQ("2", Value(DocumentSection(document, "ODD"), "Y"));
    EXPECT_EQ("3", Value(DocumentSection(document, "LAST"), "Z"));
    EXPECT_TRUE(DocumentSection(document, "NONE").empty());
}

TEST(ProfileDocument, OnlyTheSectionsThatChangeAreWrittenAgain)
{
    ProfileDocument document = ParseProfileDocument(kOddFile);
    EXPECT_FALSE(SetDocumentValue(&document, "FIRST", "key", "value"));
    EXPECT_EQ(kOddFile, ProfileDocumentText(document));

    EXPECT_TRUE(SetDocumentValue(&document, "LAST", "W", "4"));
    EXPECT_TRUE(SetDocumentValue(&document, "NEW", "V", "5"));
    const std::string text = ProfileDocumentText(document);
    // The changed section comes again from its keys; a new one follows the
    // last line, which gets its line end; the rest stands as it was.
    EXPECT_EQ(std::string(kOddFile, sizeof kOddFile - 1 - 11) + "[LAST]\r\nZ=3\r\nW=4\r\n[NEW]\r\nV=5\r\n",
              text);
    EXPECT_EQ("4", Value(DocumentSection(ParseProfileDocument(text), "LAST"), "W"));

    EXPECT_FALSE(ReplaceDocumentSection(&document, "ODD", List(Bytes("Y=\"2\"\0\0"))));
    EXPECT_TRUE(ReplaceDocumentSection(&document, "ODD", List(Bytes("Q=1\0\0"))));
    EXPECT_EQ("<missing>", Value(DocumentSection(document, "ODD"), "Y"));
    EXPECT_TRUE(RemoveDocumentSections(&document, "first"));   // both of that name
    EXPECT_FALSE(RemoveDocumentSections(&document, "FIRST"));
    EXPECT_EQ(nullptr, FindProfileBlock(document, "FIRST"));
}

TEST(ProfileDocument, ARenamedSectionKeepsItsLinesAndItsLineEnds)
{
    ProfileDocument document = ParseProfileDocument("[A]\nK=1\n; kept\n[B]\r\nL=2\r\n");
    RenameProfileBlock(&document.blocks[1], "C");
    RenameProfileBlock(&document.blocks[2], "A");
    EXPECT_EQ("[C]\nK=1\n; kept\n[A]\r\nL=2\r\n", ProfileDocumentText(document));
    EXPECT_EQ("2", Value(DocumentSection(document, "A"), "L"));
}

}   // namespace
