#include "recognizer/Files.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <dlfcn.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
bool crashAtRename = false;
}

// The process dies here when asked to, as a power cut would stop it between
// writing the new file and putting it in place.
extern "C" int rename(const char* from, const char* to) {
    if (crashAtRename)
        raise(SIGKILL);
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

TEST(DurableWrite, CrashBeforeRenameLeavesTheOldFileWholeAndTheNewOneWritten) {
    TemporaryFolder folder;
    const std::string path = folder.path() + "dessin.gst";
    const std::string before(100'000, 'a'), after(150'000, 'b');
    ASSERT_TRUE(writeFileAtomically(path, before).ok);

    const pid_t child = fork();
    if (child == 0) {
        crashAtRename = true;
        writeFileAtomically(path, after);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "no rename took place";

    std::string content;
    ASSERT_TRUE(readWholeFile(path, content).ok);
    EXPECT_EQ(content, before);
    std::vector<fs::path> others;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        if (entry.path() != path)
            others.push_back(entry.path());
    ASSERT_EQ(others.size(), 1u);
    EXPECT_TRUE(others[0].string().starts_with(path));
    ASSERT_TRUE(readWholeFile(others[0].string(), content).ok);
    EXPECT_EQ(content, after);
}

TEST(DurableWrite, KeepsTheModeOfTheFileItReplacesAndGivesANewOneTheUsualMode) {
    TemporaryFolder folder;
    const std::string kept = folder.path() + "kept", fresh = folder.path() + "fresh";
    ASSERT_TRUE(writeFileAtomically(kept, "1").ok);
    ASSERT_EQ(chmod(kept.c_str(), 0640), 0);
    const mode_t mask = umask(022);
    ASSERT_TRUE(writeFileAtomically(kept, "2").ok);
    ASSERT_TRUE(writeFileAtomically(fresh, "3").ok);
    umask(mask);
    struct stat info {};
    ASSERT_EQ(stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    ASSERT_EQ(stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}
