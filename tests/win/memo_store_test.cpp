// The memo store against real files under Wine: paths, the tooltip read and
// the edit transaction with a scripted stand-in for the editor dialog.
#include <gtest/gtest.h>
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "memo/memo_store.h"
#include "memo/memo_save.h"
#include "memo/memo_text.h"
#include "platform/app_folder.h"
#include "tests/win/test_support.h"

namespace {

struct ShownMessage {
    HWND owner;
    std::string text;
    bool hasCaption;
    UINT flags;
};

std::vector<ShownMessage> g_messages;

int WINAPI RecordMessage(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    g_messages.push_back({owner, text ? text : "", caption != nullptr, flags});
    return IDOK;
}

// What the stand-in "user" does in one opening of the editor.
struct EditorRun {
    bool confirm;
    std::string reply;   // the text left in the editor
    void (*during)(const std::string& memoPath);
};

struct EditorScript {
    std::vector<EditorRun> plan;   // one per opening; then the user cancels
    std::string memoPath;
    // Observed, one per opening:
    std::vector<std::string> shown;
    std::vector<bool> unsaved;
    size_t size;

    int runs() const { return (int)shown.size(); }
    std::string Shown(size_t run) const { return run < shown.size() ? shown[run] : "<not opened>"; }
    void Then(bool confirm, const std::string& reply, void (*during)(const std::string&) = nullptr)
    {
        plan.push_back({confirm, reply, during});
    }
};

bool ScriptedEditor(HWND, char* text, size_t size, bool unsaved, void* context)
{
    EditorScript* script = (EditorScript*)context;
    script->shown.push_back(text);
    script->unsaved.push_back(unsaved);
    script->size = size;
    size_t run = script->shown.size() - 1;
    if (run >= script->plan.size()) {
        return false;
    }
    const EditorRun& step = script->plan[run];
    if (step.during) {
        step.during(script->memoPath);
    }
    snprintf(text, size, "%s", step.reply.c_str());
    return step.confirm;
}

// Monday, 4 June 2012.
const char* const kDateLine = "2012年06月04日(月)";

class MemoStore : public AppFolderWithOwnerTest {
protected:
    void SetUp() override
    {
        AppFolderWithOwnerTest::SetUp();
        g_messages.clear();
        standIns_.Put(&SystemCalls::messageBox, RecordMessage);
    }

    std::string MemoPath() { return folder_ + "DATA\\" + kDateLine + ".dat"; }
    std::string TempPath() { return folder_ + "DATA\\" + kDateLine + ".tmp"; }

    EditorScript Script(bool confirm, const std::string& reply)
    {
        EditorScript script = {};
        script.Then(confirm, reply);
        script.memoPath = MemoPath();
        return script;
    }

    void ExpectOneMessage(HWND owner, const char* text, UINT icon)
    {
        ASSERT_EQ(1u, g_messages.size());
        EXPECT_EQ(owner, g_messages[0].owner);
        EXPECT_EQ(text, g_messages[0].text);
        EXPECT_FALSE(g_messages[0].hasCaption);
        EXPECT_EQ(icon | MB_OK, g_messages[0].flags);
        g_messages.clear();
    }
};

}   // namespace

TEST_F(MemoStore, PathsAndFolders)
{
    char path[kAppPathSize];
    ASSERT_TRUE(MemoFilePath(kDateLine, path, sizeof path));
    EXPECT_EQ(MemoPath(), path);

    EXPECT_TRUE(EnsureFolder(kMemoFolder));
    EXPECT_TRUE(EnsureFolder(kImageFolder));
    EXPECT_TRUE(EnsureFolder(kMemoFolder));   // already there
    DWORD attributes = GetFileAttributesA(Path("Image").c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));

    // A path that would pass the limit is refused, not cut into another name.
    // The folder itself still fits (an override that does not fit would
    // silently fall back to the executable's folder).
    std::string deep = folder_ + std::string(kAppPathSize - 10 - folder_.size(), 'a') + "\\";
    ASSERT_LT(deep.size(), kAppPathSize);
    standIns_.AppFolder(deep);
    char probe[kAppPathSize];
    ASSERT_TRUE(BuildAppPath("", probe, sizeof probe));
    ASSERT_EQ(deep, probe);
    EXPECT_FALSE(MemoFilePath(kDateLine, path, sizeof path));
    EXPECT_STREQ("", path);
    EditorScript script = Script(true, "text");
    EXPECT_FALSE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ(0, script.runs());
    ExpectOneMessage(window_, kMemoEditOpenFailedText, MB_ICONINFORMATION);
}

TEST_F(MemoStore, FileNamedDataBlocksNewMemos)
{
    ASSERT_TRUE(WriteWholeFile(Path("DATA"), "not a folder"));
    EXPECT_FALSE(EnsureFolder(kMemoFolder));

    // The failure brings the editor back with the typed text; cancelling it
    // then gives the text up: a failed transaction that wrote nothing.
    EditorScript script = Script(true, "text");
    EXPECT_FALSE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    ASSERT_EQ(2, script.runs());
    EXPECT_EQ("text", script.Shown(1));
    EXPECT_FALSE(script.unsaved[0]);
    EXPECT_TRUE(script.unsaved[1]);
    ExpectOneMessage(nullptr, kMemoCreateFailedText, MB_ICONINFORMATION);
    EXPECT_EQ("not a folder", ReadWholeFile(Path("DATA")));
}

TEST_F(MemoStore, TooltipReadsWholeFilesUpToTheLimit)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    char buffer[kMemoBufferSize];

    EXPECT_FALSE(ReadMemoForTooltip(MemoPath().c_str(), window_, buffer, sizeof buffer));
    EXPECT_TRUE(g_messages.empty());

    ASSERT_TRUE(WriteWholeFile(MemoPath(), ""));
    EXPECT_TRUE(ReadMemoForTooltip(MemoPath().c_str(), window_, buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);

    // Any bytes at all are read; the text ends at a zero inside, and a lead
    // byte left without its trail byte there is dropped.
    std::string odd("\xFF\x5C\x81\x00\x82", 5);
    ASSERT_TRUE(WriteWholeFile(MemoPath(), odd));
    memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(ReadMemoForTooltip(MemoPath().c_str(), window_, buffer, sizeof buffer));
    EXPECT_STREQ("\xFF\x5C", buffer);

    std::string full(kMemoMaxFileBytes, 'a');
    ASSERT_TRUE(WriteWholeFile(MemoPath(), full));
    EXPECT_TRUE(ReadMemoForTooltip(MemoPath().c_str(), window_, buffer, sizeof buffer));
    EXPECT_EQ(full, buffer);
    EXPECT_TRUE(g_messages.empty());

    // A smaller buffer than the limit is honoured as well.
    char small[16];
    EXPECT_FALSE(ReadMemoForTooltip(MemoPath().c_str(), window_, small, sizeof small));
    ExpectOneMessage(window_, kMemoTooLargeText, MB_ICONERROR);

    ASSERT_TRUE(WriteWholeFile(MemoPath(), full + "b"));
    EXPECT_FALSE(ReadMemoForTooltip(MemoPath().c_str(), window_, buffer, sizeof buffer));
    ExpectOneMessage(window_, kMemoTooLargeText, MB_ICONERROR);
    // The file was closed again: it can be opened without sharing.
    HANDLE reopened = CreateFileA(MemoPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, reopened);
    CloseHandle(reopened);
}

TEST_F(MemoStore, TooltipReportsLockedFilesAndFolders)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    char buffer[kMemoBufferSize];
    ASSERT_TRUE(WriteWholeFile(MemoPath(), "memo"));
    HANDLE other = CreateFileA(MemoPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_FALSE(ReadMemoForTooltip(MemoPath().c_str(), window_, buffer, sizeof buffer));
    CloseHandle(other);
    ExpectOneMessage(window_, kMemoOpenFailedText, MB_ICONERROR);

    DeleteFileA(MemoPath().c_str());
    ASSERT_TRUE(CreateDirectoryA(MemoPath().c_str(), nullptr));
    EXPECT_FALSE(ReadMemoForTooltip(MemoPath().c_str(), window_, buffer, sizeof buffer));
    ExpectOneMessage(window_, kMemoOpenFailedText, MB_ICONERROR);
}

TEST_F(MemoStore, NewMemoStartsWithDateLineAndCancelLeavesNoFile)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    EditorScript script = Script(false, "typed but cancelled");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ(std::string(kDateLine) + "\r\n", script.Shown(0));
    EXPECT_GE(script.size, kMemoMaxFileBytes);
    EXPECT_FALSE(PathExists(MemoPath()));

    script = Script(true, std::string(kDateLine) + "\r\n会議");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ(std::string(kDateLine) + "\r\n会議", ReadWholeFile(MemoPath()));
    EXPECT_FALSE(PathExists(TempPath()));
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(MemoStore, ReplacingShortensAndBlankTextDeletes)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    ASSERT_TRUE(WriteWholeFile(MemoPath(), "a long old memo text"));
    EditorScript script = Script(true, "short");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ("a long old memo text", script.Shown(0));
    EXPECT_EQ("short", ReadWholeFile(MemoPath()));

    script = Script(false, "ignored");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ("short", ReadWholeFile(MemoPath()));

    // Spaces, tabs, line breaks and full-width spaces count as no memo.
    script = Script(true, " \t\r\n\x81\x40");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_FALSE(PathExists(MemoPath()));

    ASSERT_TRUE(WriteWholeFile(MemoPath(), ""));
    script = Script(true, "");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ("", script.Shown(0));
    EXPECT_FALSE(PathExists(MemoPath()));
    EXPECT_TRUE(g_messages.empty());
}

// While the editor is open nobody else may open or replace the memo.
static void ExpectLocked(const std::string& memoPath)
{
    HANDLE other = CreateFileA(memoPath.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               0, nullptr);
    EXPECT_EQ(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ((DWORD)ERROR_SHARING_VIOLATION, GetLastError());
    if (other != INVALID_HANDLE_VALUE) {
        CloseHandle(other);
    }
    EXPECT_FALSE(DeleteFileA(memoPath.c_str()));

    // Not even replaced: this is why the store lets go of its lock just
    // before it swaps the new text in.
    std::string stranger = memoPath + ".other";
    ASSERT_TRUE(WriteWholeFile(stranger, ""));
    EXPECT_FALSE(
        MoveFileExA(stranger.c_str(), memoPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    DeleteFileA(stranger.c_str());
}

TEST_F(MemoStore, FileStaysLockedWhileEditing)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    ASSERT_TRUE(WriteWholeFile(MemoPath(), "old"));
    EditorScript script = Script(true, "new");
    script.plan[0].during = ExpectLocked;
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ("new", ReadWholeFile(MemoPath()));

    // Locked by another program: the editor does not open.
    HANDLE other = CreateFileA(MemoPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    script = Script(true, "never");
    EXPECT_FALSE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    CloseHandle(other);
    EXPECT_EQ(0, script.runs());
    ExpectOneMessage(window_, kMemoEditOpenFailedText, MB_ICONINFORMATION);
    EXPECT_EQ("new", ReadWholeFile(MemoPath()));
}

TEST_F(MemoStore, OversizedFileIsNotOpenedForEditing)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    std::string big(kMemoMaxFileBytes + 1, 'z');
    ASSERT_TRUE(WriteWholeFile(MemoPath(), big));
    EditorScript script = Script(true, "would cut the memo short");
    EXPECT_FALSE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ(0, script.runs());
    ExpectOneMessage(window_, kMemoTooLargeText, MB_ICONINFORMATION);
    EXPECT_EQ(big, ReadWholeFile(MemoPath()));

    // Exactly the limit still opens whole.
    ASSERT_TRUE(WriteWholeFile(MemoPath(), big.substr(1)));
    script = Script(false, "");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ(big.substr(1), script.Shown(0));
}

static void BlockTemporaryFile(const std::string& memoPath)
{
    std::string temporary = memoPath.substr(0, memoPath.size() - strlen(".dat")) + ".tmp";
    EXPECT_TRUE(CreateDirectoryA(temporary.c_str(), nullptr));
}

static void UnblockTemporaryFile(const std::string& memoPath)
{
    std::string temporary = memoPath.substr(0, memoPath.size() - strlen(".dat")) + ".tmp";
    EXPECT_TRUE(RemoveDirectoryA(temporary.c_str()));
}

TEST_F(MemoStore, FailedWriteKeepsTheOldMemoWholeAndTheTypedTextInTheEditor)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    ASSERT_TRUE(WriteWholeFile(MemoPath(), "precious old memo"));

    // The editor comes back on the typed text, the old memo still locked;
    // cancelling leaves the old memo and no new file.
    EditorScript script = Script(true, "new text");
    script.plan[0].during = BlockTemporaryFile;
    script.Then(false, "", ExpectLocked);
    EXPECT_FALSE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    ASSERT_EQ(2, script.runs());
    EXPECT_EQ("new text", script.Shown(1));
    EXPECT_TRUE(script.unsaved[1]);
    ExpectOneMessage(nullptr, kMemoWriteFailedText, MB_ICONINFORMATION);
    EXPECT_EQ("precious old memo", ReadWholeFile(MemoPath()));
    UnblockTemporaryFile(MemoPath());
    EXPECT_FALSE(PathExists(TempPath()));

    // A retry once the cause is gone replaces the memo as usual.
    script = Script(true, "new text");
    script.plan[0].during = BlockTemporaryFile;
    script.Then(true, "new text", UnblockTemporaryFile);
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ(2, script.runs());
    ExpectOneMessage(nullptr, kMemoWriteFailedText, MB_ICONINFORMATION);
    EXPECT_EQ("new text", ReadWholeFile(MemoPath()));
    EXPECT_FALSE(PathExists(TempPath()));

    // A read-only memo: Windows refuses to replace it, Wine replaces it.
    // Either way the memo is one whole text and no temporary file is left.
    ASSERT_TRUE(WriteWholeFile(MemoPath(), "precious old memo"));
    script = Script(true, "new text");
    script.plan[0].during = [](const std::string& memoPath) {
        EXPECT_TRUE(SetFileAttributesA(memoPath.c_str(), FILE_ATTRIBUTE_READONLY));
    };
    bool saved = EditMemo(window_, kDateLine, ScriptedEditor, &script);
    SetFileAttributesA(MemoPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    if (saved) {
        EXPECT_TRUE(g_messages.empty());
        EXPECT_EQ("new text", ReadWholeFile(MemoPath()));
    } else {
        ExpectOneMessage(nullptr, kMemoWriteFailedText, MB_ICONINFORMATION);
        EXPECT_EQ("precious old memo", ReadWholeFile(MemoPath()));
    }
    EXPECT_FALSE(PathExists(TempPath()));
}

// A memo someone else wrote while the editor was open is theirs: a retry
// never overwrites it, and a blank text never deletes it.
TEST_F(MemoStore, NewMemoNeverOverwritesAFileMadeMeanwhile)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    EditorScript script = Script(true, "mine");
    script.plan[0].during = [](const std::string& memoPath) {
        EXPECT_TRUE(WriteWholeFile(memoPath, "theirs"));
    };
    script.Then(true, "mine");
    script.Then(true, "");
    EXPECT_TRUE(EditMemo(window_, kDateLine, ScriptedEditor, &script));
    EXPECT_EQ(3, script.runs());
    EXPECT_EQ("mine", script.Shown(2));
    ASSERT_EQ(2u, g_messages.size());
    EXPECT_EQ(kMemoCreateFailedText, g_messages[0].text);
    EXPECT_EQ(kMemoCreateFailedText, g_messages[1].text);
    EXPECT_EQ("theirs", ReadWholeFile(MemoPath()));
    EXPECT_FALSE(PathExists(TempPath()));
}

TEST(MemoText, BlankTextsAndLineFeeds)
{
    EXPECT_TRUE(IsBlankMemoText("", 0));
    EXPECT_TRUE(IsBlankMemoText(" \t\r\n\x81\x40\x81\x40", 8));
    EXPECT_FALSE(IsBlankMemoText(" a ", 3));
    EXPECT_FALSE(IsBlankMemoText("\x81", 1));       // half a character
    EXPECT_FALSE(IsBlankMemoText("\x81\x41", 2));   // another double-byte character
    // "\x88\x81" is one character; the "@" after it is not the second half of
    // a full-width space.
    EXPECT_FALSE(IsBlankMemoText("\x88\x81\x40", 3));
    EXPECT_FALSE(IsBlankMemoText("\x00 ", 2));

    std::string forty(kMemoLineFeedLimit, '\n');
    EXPECT_EQ(kMemoLineFeedLimit, CountLineFeeds(forty.data(), forty.size()));
    EXPECT_EQ(2, CountLineFeeds("a\r\nb\r\n", 6));
    EXPECT_EQ(0, CountLineFeeds("\x81\x40", 2));
}

TEST(MemoText, LeadBytesWithoutTrailBytesAreDropped)
{
    struct Case {
        std::string text;
        std::string kept;
    };
    const Case cases[] = {
        {"\x82", ""},
        {"a\x82\xA0\x82", "a\x82\xA0"},     // "aあ" and half of another
        {"\x81\x81\x82", "\x81\x81"},       // a pair, then a lone lead byte
        {"\x88\x81\x40", "\x88\x81\x40"},   // the second byte may look like a lead
        {"\x81\x7F\x81\r\n", "\x7F\r\n"},   // no character ends in 0x7F or CR
        {"\xFD\xA0\x80", "\xFD\xA0\x80"},   // single bytes of their own
    };
    for (const Case& c : cases) {
        char text[16];
        memset(text, 'x', sizeof text);
        memcpy(text, c.text.data(), c.text.size());
        text[c.text.size()] = '\0';
        EXPECT_EQ(c.kept.size(), DropLoneLeadBytes(text, c.text.size()));
        EXPECT_EQ(c.kept, std::string(text));
        for (size_t i = c.kept.size(); i <= c.text.size(); ++i) {
            EXPECT_EQ('\0', text[i]) << "the rest is cleared";
        }
    }
}
