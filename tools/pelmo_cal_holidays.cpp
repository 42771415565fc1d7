#include "tools/pelmo_cal_holidays.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/holiday_file.h"

namespace {

const unsigned char kUtf8ContinuationMask = 0xC0;
const unsigned char kUtf8Continuation = 0x80;
const unsigned char kUtf8TwoByteLead = 0xC0;
const unsigned char kUtf8ThreeByteLead = 0xE0;
const unsigned char kUtf8FourByteLead = 0xF0;
const unsigned char kUtf8PastLeads = 0xF8;

// A character that has no Shift-JIS form, or bytes that are no UTF-8 at all,
// become kNoShiftJisForm, so the parser refuses their row with its line.
// The lead byte and its continuation bytes are skipped, never a line end.
size_t UnconvertibleLength(const char* in, size_t left)
{
    const unsigned char lead = static_cast<unsigned char>(in[0]);
    size_t length = lead >= kUtf8PastLeads       ? 1
                    : lead >= kUtf8FourByteLead  ? 4
                    : lead >= kUtf8ThreeByteLead ? 3
                    : lead >= kUtf8TwoByteLead   ? 2
                                                 : 1;
    size_t taken = 1;
    while (taken < length && taken < left &&
           (static_cast<unsigned char>(in[taken]) & kUtf8ContinuationMask) == kUtf8Continuation) {
        ++taken;
    }
    return taken;
}

// Shift-JIS never takes more bytes than UTF-8 for the same text.
bool Utf8ToShiftJis(const std::string& utf8, size_t skip, std::string* sjis)
{
    iconv_t convert = iconv_open("CP932", "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    sjis->assign(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data()) + skip;
    size_t inLeft = utf8.size() - skip;
    char* out = &(*sjis)[0];
    size_t outLeft = sjis->size();
    bool ok = true;
    while (ok && inLeft > 0) {
        if (iconv(convert, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) {
            continue;
        }
        ok = (errno == EILSEQ || errno == EINVAL) && outLeft > 0;
        if (ok) {
            const size_t length = UnconvertibleLength(in, inLeft);
            *out++ = kNoShiftJisForm;
            --outLeft;
            in += length;
            inLeft -= length;
        }
    }
    iconv_close(convert);
    sjis->resize(sjis->size() - outLeft);
    return ok;
}

// *error tells why a file is not readable, where the system says.
HolidayFileProblem ReadBytes(const char* path, std::string* bytes, int* error)
{
    const int fd = open(path, O_RDONLY);
    if (fd < 0) {
        *error = errno;
        return HolidayFileProblem::NotReadable;
    }
    struct stat info = {};
    HolidayFileProblem problem = HolidayFileProblem::None;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        problem = HolidayFileProblem::NotReadable;
    } else if (static_cast<size_t>(info.st_size) > kHolidayFileMaxBytes) {
        problem = HolidayFileProblem::TooLarge;
    } else {
        bytes->assign(static_cast<size_t>(info.st_size), '\0');
        const ssize_t got = bytes->empty() ? 0 : read(fd, &(*bytes)[0], bytes->size());
        if (got != static_cast<ssize_t>(bytes->size())) {
            *error = got < 0 ? errno : 0;
            problem = HolidayFileProblem::NotReadable;
        }
    }
    close(fd);
    return problem;
}

}   // namespace

bool LoadHolidayFile(const char* path, HolidayTable* table)
{
    std::string bytes;
    int error = 0;
    HolidayFileResult result = {ReadBytes(path, &bytes, &error), 0};
    if (result.problem == HolidayFileProblem::None) {
        size_t skip = 0;
        std::string sjis;
        if (DetectHolidayFileEncoding(bytes.data(), bytes.size(), &skip) == HolidayFileEncoding::Utf8) {
            if (!Utf8ToShiftJis(bytes, skip, &sjis)) {
                result.problem = HolidayFileProblem::NotReadable;
            }
            bytes.swap(sjis);
        }
    }
    if (result.problem == HolidayFileProblem::None) {
        result = ParseHolidayFile(bytes.data(), bytes.size(), table);
    }
    if (result.problem == HolidayFileProblem::None) {
        return true;
    }
    if (result.line > 0) {
        fprintf(stderr, "pelmo-cal: %s: line %d: %s\n", path, result.line,
                HolidayFileProblemText(result.problem));
    } else if (error != 0) {
        fprintf(stderr, "pelmo-cal: %s: %s: %s\n", path, HolidayFileProblemText(result.problem),
                strerror(error));
    } else {
        fprintf(stderr, "pelmo-cal: %s: %s\n", path, HolidayFileProblemText(result.problem));
    }
    return false;
}
