#include "settings/profile_text.h"

#include <string.h>

static char FoldAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c;
}

// Only ASCII letters fold: a double-byte character never equals one of our
// names, which are ASCII, so its trail bytes need no care here.
bool SameProfileName(const std::string& a, const char* b)
{
    const size_t length = strlen(b);
    if (a.size() != length) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

void CutPartialCharacter(std::string* text)
{
    for (size_t i = 0; i < text->size(); ++i) {
        if (IsShiftJisLeadByte((unsigned char)(*text)[i])) {
            if (i + 1 == text->size()) {
                text->resize(i);
                return;
            }
            ++i;
        }
    }
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1A;
}

static std::string Trimmed(const char* begin, const char* end)
{
    while (begin < end && IsBlank(*begin)) {
        ++begin;
    }
    while (end > begin && IsBlank(end[-1])) {
        --end;
    }
    return std::string(begin, end);
}

// One key line, blanks already gone from both ends.
static ProfileEntry EntryOfLine(const std::string& line)
{
    ProfileEntry entry;
    const size_t equals = line.find('=');
    entry.hasValue = equals != std::string::npos;
    if (!entry.hasValue) {
        entry.key = line;
        return entry;
    }
    const char* text = line.c_str();
    entry.key = Trimmed(text, text + equals);
    entry.value = Trimmed(text + equals + 1, text + line.size());
    return entry;
}

ProfileSection ParseSectionList(const char* list, size_t length)
{
    ProfileSection section;
    size_t at = 0;
    while (at < length && list[at] != '\0') {
        const size_t lineLength = strnlen(list + at, length - at);
        section.push_back(EntryOfLine(std::string(list + at, lineLength)));
        at += lineLength + 1;
    }
    return section;
}

std::string SectionListText(const ProfileSection& section)
{
    std::string list;
    for (const ProfileEntry& entry : section) {
        if (entry.hasValue && !entry.key.empty()) {
            list += entry.key + "=" + entry.value;
            list += '\0';
        }
    }
    list += '\0';
    return list;
}

static const ProfileEntry* FindEntry(const ProfileSection& section, const char* key)
{
    for (const ProfileEntry& entry : section) {
        if (SameProfileName(entry.key, key)) {
            return &entry;
        }
    }
    return nullptr;
}

static std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool FindProfileValue(const ProfileSection& section, const char* key, std::string* value)
{
    const ProfileEntry* entry = FindEntry(section, key);
    if (!entry || !entry->hasValue) {
        return false;
    }
    *value = Unquoted(entry->value);
    return true;
}

std::string ProfileString(const ProfileSection& section, const char* key, const char* defaultText,
                          size_t size)
{
    std::string value;
    if (!FindProfileValue(section, key, &value)) {
        value = defaultText;
    }
    if (size == 0) {
        return std::string();
    }
    if (value.size() > size - 1) {
        value.resize(size - 1);
    }
    CutPartialCharacter(&value);
    return value;
}

int32_t ParseLeadingDecimal(const char* text)
{
    const char* p = text;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
    }
    uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10u + (uint32_t)(*p - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return (int32_t)value;
}

int32_t ProfileInt(const ProfileSection& section, const char* key, int32_t defaultValue)
{
    std::string value;
    if (!FindProfileValue(section, key, &value)) {
        return defaultValue;
    }
    return ParseLeadingDecimal(value.c_str());
}

bool SetProfileValue(ProfileSection* section, const char* key, const std::string& value)
{
    for (ProfileEntry& entry : *section) {
        if (SameProfileName(entry.key, key)) {
            if (entry.hasValue && Unquoted(entry.value) == value) {
                return false;
            }
            entry.value = value;
            entry.hasValue = true;
            return true;
        }
    }
    section->push_back(ProfileEntry{key, value, true});
    return true;
}

bool SameProfileSection(const ProfileSection& a, const ProfileSection& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (!SameProfileName(a[i].key, b[i].key.c_str()) || a[i].hasValue != b[i].hasValue ||
            Unquoted(a[i].value) != Unquoted(b[i].value)) {
            return false;
        }
    }
    return true;
}

// --- whole files -------------------------------------------------------------

// The last ']' of a header line, stepping over double-byte characters whose
// second byte has the same code.
static const char* LastClosingBracket(const char* begin, const char* end)
{
    const char* found = nullptr;
    for (const char* p = begin; p < end; ++p) {
        if (IsShiftJisLeadByte((unsigned char)*p) && p + 1 < end) {
            ++p;
        } else if (*p == ']') {
            found = p;
        }
    }
    return found;
}

// The section name of a line, blanks already gone; false when it is no
// header.
static bool HeaderName(const char* begin, const char* end, std::string* name)
{
    if (begin == end || *begin != '[') {
        return false;
    }
    const char* closing = LastClosingBracket(begin + 1, end);
    if (!closing) {
        return false;
    }
    *name = std::string(begin + 1, closing);
    return true;
}

// The keys of the lines between begin and end, as the profile API hands them
// out: blank lines, comments and nameless keys are not among them.
static ProfileSection KeysOfLines(const std::string& text)
{
    ProfileSection keys;
    size_t at = 0;
    while (at < text.size()) {
        size_t next = text.find('\n', at);
        next = next == std::string::npos ? text.size() : next + 1;
        const std::string line = Trimmed(text.c_str() + at, text.c_str() + next);
        at = next;
        if (line.empty() || line[0] == ';' || line[0] == '=') {
            continue;
        }
        keys.push_back(EntryOfLine(line));
    }
    return keys;
}

static void CloseBlock(ProfileDocument* document, const std::string& text, size_t bodyBegin, size_t end)
{
    ProfileBlock& block = document->blocks.back();
    block.body = text.substr(bodyBegin, end - bodyBegin);
    block.keys = KeysOfLines(block.body);
}

ProfileDocument ParseProfileDocument(const std::string& text)
{
    ProfileDocument document;
    document.blocks.push_back(
        ProfileBlock{std::string(), std::string(), std::string(), ProfileSection(), false});
    size_t bodyBegin = 0;
    size_t at = 0;
    while (at < text.size()) {
        size_t next = text.find('\n', at);
        next = next == std::string::npos ? text.size() : next + 1;
        const std::string line = Trimmed(text.c_str() + at, text.c_str() + next);
        std::string name;
        if (HeaderName(line.c_str(), line.c_str() + line.size(), &name)) {
            CloseBlock(&document, text, bodyBegin, at);
            document.blocks.push_back(
                ProfileBlock{name, text.substr(at, next - at), std::string(), ProfileSection(), false});
            bodyBegin = next;
        }
        at = next;
    }
    CloseBlock(&document, text, bodyBegin, text.size());
    return document;
}

static const char kLineEnd[] = "\r\n";

static bool EndsLine(const std::string& text)
{
    return text.empty() || text.back() == '\n';
}

static std::string KeyLines(const ProfileSection& keys)
{
    std::string lines;
    for (const ProfileEntry& entry : keys) {
        lines += entry.hasValue ? entry.key + "=" + entry.value : entry.key;
        lines += kLineEnd;
    }
    return lines;
}

std::string ProfileDocumentText(const ProfileDocument& document)
{
    std::string text;
    for (const ProfileBlock& block : document.blocks) {
        if (block.header.empty() && !block.rewritten) {
            text += block.body;   // what stands before the first section
            continue;
        }
        if (!EndsLine(text)) {
            text += kLineEnd;   // a last line without its line end
        }
        text += block.rewritten ? "[" + block.name + "]" + kLineEnd : block.header;
        text += block.rewritten ? KeyLines(block.keys) : block.body;
    }
    return text;
}

static ProfileBlock* FindBlock(ProfileDocument* document, const char* name)
{
    for (ProfileBlock& block : document->blocks) {
        if (!block.header.empty() && SameProfileName(block.name, name)) {
            return &block;
        }
    }
    return nullptr;
}

const ProfileBlock* FindProfileBlock(const ProfileDocument& document, const char* name)
{
    return FindBlock(const_cast<ProfileDocument*>(&document), name);
}

ProfileSection DocumentSection(const ProfileDocument& document, const char* name)
{
    const ProfileBlock* block = FindProfileBlock(document, name);
    return block ? block->keys : ProfileSection();
}

// The section to change, made at the end of the file when it is missing.
static ProfileBlock* SectionToChange(ProfileDocument* document, const char* name)
{
    ProfileBlock* block = FindBlock(document, name);
    if (!block) {
        document->blocks.push_back(ProfileBlock{name, "[" + std::string(name) + "]" + kLineEnd, std::string(),
                                                ProfileSection(), true});
        block = &document->blocks.back();
    }
    return block;
}

bool SetDocumentValue(ProfileDocument* document, const char* section, const char* key,
                      const std::string& value)
{
    ProfileBlock* block = SectionToChange(document, section);
    if (!SetProfileValue(&block->keys, key, value)) {
        return false;
    }
    block->rewritten = true;
    return true;
}

bool ReplaceDocumentSection(ProfileDocument* document, const char* section, const ProfileSection& keys)
{
    const bool existed = FindBlock(document, section) != nullptr;
    ProfileBlock* block = SectionToChange(document, section);
    const bool changed = !existed || !SameProfileSection(block->keys, keys);
    if (changed) {
        block->keys = keys;
        block->rewritten = true;
    }
    return changed;
}

bool RemoveDocumentSections(ProfileDocument* document, const char* section)
{
    const size_t before = document->blocks.size();
    std::vector<ProfileBlock> kept;
    for (ProfileBlock& block : document->blocks) {
        if (block.header.empty() || !SameProfileName(block.name, section)) {
            kept.push_back(std::move(block));
        }
    }
    document->blocks = std::move(kept);
    return document->blocks.size() != before;
}

void RenameProfileBlock(ProfileBlock* block, const std::string& name)
{
    const bool bareLineEnd = block->header.size() >= 1 && block->header.back() == '\n' &&
                             (block->header.size() < 2 || block->header[block->header.size() - 2] != '\r');
    block->name = name;
    if (!block->rewritten) {
        block->header = "[" + name + "]" + (bareLineEnd ? "\n" : kLineEnd);
    }
}
