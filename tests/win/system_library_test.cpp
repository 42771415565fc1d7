// System libraries are taken from the system folder only: a library of the
// asked name in the current folder, where a download may lie, is never
// loaded, and a name that is not a bare file name is refused. The stand-in
// library is the build's planted gdiplus.dll, in planted\ beside this program.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>
#include <string>

#include "platform/system_library.h"
#include "tests/win/test_support.h"

namespace {

std::string FolderOf(HMODULE module)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, path, sizeof path);
    char* slash = length > 0 && length < sizeof path ? strrchr(path, '\\') : nullptr;
    if (!slash) {
        return "<none>";
    }
    *slash = '\0';
    return path;
}

std::string SystemFolder()
{
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) {
        return "<none>";
    }
    return folder;
}

class SystemLibrary : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        std::string planted = FolderOf(nullptr) + "\\planted\\gdiplus.dll";
        ASSERT_TRUE(CopyFileA(planted.c_str(), Path("pelmoplanted.dll").c_str(), FALSE)) << planted;
        GetCurrentDirectoryA(sizeof previous_, previous_);
        ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(previous_);
        AppFolderTest::TearDown();
    }

    char previous_[MAX_PATH] = {};
};

TEST_F(SystemLibrary, ComesFromTheSystemFolderAndNeverFromTheCurrentOne)
{
    // The ordinary search finds the planted library in the current folder.
    HMODULE ordinary = LoadLibraryA("pelmoplanted.dll");
    ASSERT_NE(nullptr, ordinary);
    FreeLibrary(ordinary);
    ASSERT_TRUE(DeleteFileA(Path("pelmoplanted.dll.loaded").c_str()));

    // Trailing spaces are dropped from a path: a name cut by a short buffer
    // would load RICHED32.DLL itself.
    const std::string padded = "RICHED32.DLL" + std::string(MAX_PATH, ' ');
    struct Loader {
        const char* name;
        HMODULE (*load)(const char*);
    };
    const Loader loaders[] = {{"flags", LoadSystemLibrary}, {"full path", LoadSystemLibraryByPath}};
    for (const Loader& loader : loaders) {
        SCOPED_TRACE(loader.name);
        HMODULE riched = loader.load("RICHED32.DLL");
        ASSERT_NE(nullptr, riched);
        EXPECT_STRCASEEQ(SystemFolder().c_str(), FolderOf(riched).c_str());
        FreeLibrary(riched);

        EXPECT_EQ(nullptr, loader.load("pelmoplanted.dll"));
        EXPECT_FALSE(PathExists(Path("pelmoplanted.dll.loaded")));
        EXPECT_EQ(nullptr, loader.load(Path("pelmoplanted.dll").c_str()));
        EXPECT_EQ(nullptr, loader.load(".\\pelmoplanted.dll"));
        EXPECT_EQ(nullptr, loader.load("C:pelmoplanted.dll"));
        EXPECT_EQ(nullptr, loader.load(""));
        EXPECT_EQ(nullptr, loader.load(nullptr));
        EXPECT_EQ(nullptr, loader.load(padded.c_str()));
        EXPECT_FALSE(PathExists(Path("pelmoplanted.dll.loaded")));
    }
}

}   // namespace
