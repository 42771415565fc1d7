// One memo per date, kept as a file named after the date in the folder DATA
// beside the executable. A date has a memo exactly when its file exists;
// nothing is cached, every reader goes to the file.
#pragma once
#include <windows.h>
#include <stddef.h>

constexpr const char* kMemoFolder = "DATA";
constexpr const char* kImageFolder = "Image";
constexpr char kMemoExtension[] = ".dat";

// The largest memo file that is read at all, and a buffer that holds it with
// its terminating zero.
constexpr size_t kMemoMaxFileBytes = 2048;
constexpr size_t kMemoBufferSize = kMemoMaxFileBytes + 1;

constexpr const char* kMemoOpenFailedText = "ファイルをオープンできません";
constexpr const char* kMemoTooLargeText = "ファイルサイズが大きすぎます";
constexpr const char* kMemoEditOpenFailedText = "ファイルのオープンに失敗しました";
constexpr const char* kMemoCreateFailedText = "ファイルを作成できませんでした";
constexpr const char* kMemoWriteFailedText = "ファイルの書き込みに失敗しました";

// Executable folder, "DATA\", the date line, ".dat". False (empty out) when
// the path would pass the path limit.
bool MemoFilePath(const char* dateLine, char* out, size_t size);

// Creates the folder of that name beside the executable when nothing of that
// name exists. True when a folder is there afterwards; false when the name is
// taken by a file or the folder cannot be made.
bool EnsureFolder(const char* name);

// Reads the memo at path into buffer (terminated) for the day tooltip. False
// without a message when there is no such file; false after an error box
// owned by owner when it cannot be opened or exceeds kMemoMaxFileBytes (or
// the buffer). A file is never read past the buffer.
bool ReadMemoForTooltip(const char* path, HWND owner, char* buffer, size_t size);
