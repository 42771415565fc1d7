#include "shell/long_path_notice.h"

#include <stdio.h>

#include "memo/memo_store.h"
#include "platform/app_folder.h"
#include "platform/system_calls.h"

static const char kText[] = "このフォルダーはパスが長すぎるため、メモを保存できません。\n"
                            "メモを使うには、パスの短いフォルダーへ移してください。\n"
                            "カレンダーはこのまま使えます。";
static const char kCaption[] = "『ポルカミナ』";

// The longest date line a memo can have: the five-digit year of the cells
// after December 9999. Its temporary file (".tmp") is as long as the memo.
static const char kLongestDateLine[] = "10000年01月01日(土)";

bool MemoPathsFit()
{
    char path[kAppPathSize];
    return MemoFilePath(kLongestDateLine, path, sizeof path);
}

void WarnWhenMemosCannotBeKept(HWND window)
{
    if (!MemoPathsFit()) {
        System().messageBox(window, kText, kCaption, MB_OK | MB_ICONWARNING);
    }
}
