// Settings files as text, without the platform: the keys of one section as
// the profile API hands them out, and a whole file split into its sections
// the way the profile API reads it. Pure code over Shift_JIS bytes, so that
// it is tested natively too.
//
// The rules follow the profile reader: a line whose first non-blank
// character is '[' and that holds a ']' starts a section named by what lies
// between the '[' and its last ']'; any other line that is not blank is a
// key, "name=value" with blanks around the name and the value dropped, or a
// bare name without a value; a key whose name starts with ';' is a comment.
// Section and key names are matched without regard to the case of ASCII
// letters.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

struct ProfileEntry {
    std::string key;
    std::string value;
    bool hasValue;   // false for a line without '=', which reads as missing
};

// The keys of one section in the order of the file.
typedef std::vector<ProfileEntry> ProfileSection;

// From the double-null-terminated list that GetPrivateProfileSectionA fills
// ("KEY=value\0...\0\0"); length bounds the list when it is not terminated.
ProfileSection ParseSectionList(const char* list, size_t length);

// The list WritePrivateProfileSectionA takes, with its final terminator.
// Keys without a value are left out: the profile API drops them too.
std::string SectionListText(const ProfileSection& section);

bool SameProfileName(const std::string& a, const char* b);

// What GetPrivateProfileStringA gives for key: the first key of that name,
// one pair of matching quotes stripped. False when the key is missing or
// has no value.
bool FindProfileValue(const ProfileSection& section, const char* key, std::string* value);

// The key read as GetPrivateProfileStringA with a buffer of size bytes
// gives it: cut to fit, never in the middle of a double-byte character.
// The default when the key is missing.
std::string ProfileString(const ProfileSection& section, const char* key, const char* defaultText,
                          size_t size);

// A present key reads as its leading signed decimal number (0 when it does
// not start with one, or is empty); a missing key as the default. Values
// wrap to 32 bits as the platform's reader does.
int32_t ProfileInt(const ProfileSection& section, const char* key, int32_t defaultValue);
int32_t ParseLeadingDecimal(const char* text);

// Gives key the value, in place of its first occurrence or as a new key at
// the end. True when a reader then gets another value than before; a key
// whose value only differs by the quotes a reader strips is left as it is.
bool SetProfileValue(ProfileSection* section, const char* key, const std::string& value);

// True when a reader gets the same value for every key from both, in the
// same order of first occurrences.
bool SameProfileSection(const ProfileSection& a, const ProfileSection& b);

// A lead byte of a double-byte character in code page 932.
bool IsShiftJisLeadByte(unsigned char byte);
// Cuts a string that ends in the first byte of a double-byte character.
void CutPartialCharacter(std::string* text);

// --- whole files -----------------------------------------------------------

// One section of a file as it stands: its header line and its key lines,
// byte for byte. A section that a step changes is written again from its
// keys ("NAME=value" lines, CRLF); every other one keeps its bytes.
struct ProfileBlock {
    std::string name;      // empty for the text before the first header
    std::string header;    // the header line with its line end; empty for that text
    std::string body;      // the lines after the header
    ProfileSection keys;   // the keys the body holds, as the profile API reads them
    bool rewritten;        // header and body are made again from name and keys
};

// A whole settings file, in the order of its sections.
struct ProfileDocument {
    std::vector<ProfileBlock> blocks;
};

ProfileDocument ParseProfileDocument(const std::string& text);
std::string ProfileDocumentText(const ProfileDocument& document);

// The first section of that name (the one every reader sees), or null.
const ProfileBlock* FindProfileBlock(const ProfileDocument& document, const char* name);
// The keys of the first section of that name; none when it is missing.
ProfileSection DocumentSection(const ProfileDocument& document, const char* name);

// Gives key of section the value, in the first section of that name or in
// a new one at the end. True when a reader then gets another value.
bool SetDocumentValue(ProfileDocument* document, const char* section, const char* key,
                      const std::string& value);
// Makes keys the whole of the first section of that name (a new one at the
// end when it is missing). True when a reader then gets anything else.
bool ReplaceDocumentSection(ProfileDocument* document, const char* section, const ProfileSection& keys);
// Removes every section of that name; true when there was one.
bool RemoveDocumentSections(ProfileDocument* document, const char* section);
// Renames one section, keeping its keys as they stand.
void RenameProfileBlock(ProfileBlock* block, const std::string& name);
