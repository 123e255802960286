// Files and addresses that cannot be opened: the build fails within a bounded time and names the
// cause (a folder, a file without read permission, a refused connection, a time-out), and hostile
// servers cannot hold it up for longer than the render time-out.
#include "hostile_http_server.h"
#include "media/platform/open_failure.h"
#include "media_clips.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>

using namespace brisat;
using namespace brisat::test;

namespace {

// Polls `condition` until it holds (true) or a generous time passed (false).
bool WaitUntil(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::string FileUri(const std::string& path) {
    return "file://" + path;
}

// LocalFileProblem's cause for `path` as a user without rights of its own sees it: run in a child
// that gives up root first, since root reads any file.
std::string CauseAsNobody(const std::string& path) {
    int channel[2];
    if (pipe(channel) != 0) return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const passwd* nobody = getpwnam("nobody");
        if (geteuid() == 0 &&
            (!nobody || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0))
            _exit(1);
        std::string cause = LocalFileProblem(FileUri(path)).Cause;
        ssize_t written = write(channel[1], cause.data(), cause.size());
        _exit(written == ssize_t(cause.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string cause;
    char buffer[256];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
        cause.append(buffer, std::size_t(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? cause : "child failed";
}

TEST(OpenFailure, LocalFilesThatCannotBeReadAreNamedBeforeAnythingIsBuilt) {
    const std::string folder = ClipFolder();
    const std::string clip = Clip("clip.avi");
    ASSERT_FALSE(clip.empty());
    struct Case {
        std::string Uri;
        HRESULT Result;
        std::string Cause;
    } cases[] = {
        {FileUri(folder), VFW_E_CANNOT_LOAD_SOURCE_FILTER, "is a folder, not a media file"},
        {FileUri(folder + "/missing.avi"), E_FILE_NOT_FOUND, "no such file or folder"},
        {FileUri(Clip("fifo.avi")), VFW_E_CANNOT_LOAD_SOURCE_FILTER, "is not a regular file"},
        {FileUri(clip), S_OK, ""},
        {"http://127.0.0.1:9/clip.avi", S_OK, ""},
    };
    for (const Case& c : cases) {
        TOpenProblem problem = LocalFileProblem(c.Uri);
        EXPECT_EQ(problem.Result, c.Result) << c.Uri;
        EXPECT_EQ(problem.Cause, c.Cause) << c.Uri;
    }

    // A folder anyone may enter, with a file only its owner may read beside one anyone may.
    std::string open = (std::filesystem::temp_directory_path() / "brisat.XXXXXX").string();
    ASSERT_NE(mkdtemp(open.data()), nullptr);
    const std::string locked = open + "/locked.avi", readable = open + "/readable.avi";
    for (const std::string& path : {locked, readable})
        std::filesystem::copy_file(clip, path);
    ASSERT_EQ(chmod(open.c_str(), 0755), 0);
    ASSERT_EQ(chmod(locked.c_str(), 0200), 0);
    ASSERT_EQ(chmod(readable.c_str(), 0644), 0);
    EXPECT_EQ(CauseAsNobody(locked), "permission denied");
    EXPECT_EQ(CauseAsNobody(readable), "");
    std::filesystem::remove_all(open);
}

TEST(OpenFailure, TheBuildNamesTheCause) {
    THostileHttpServer silent(THostility::NeverAnswers);
    ASSERT_NE(silent.Port(), 0);
    struct Case {
        std::string Address;
        HRESULT Result;
        std::string CauseStart;
    } cases[] = {
        {ClipFolder(), VFW_E_CANNOT_LOAD_SOURCE_FILTER, "is a folder, not a media file"},
        {"http://127.0.0.1:" + std::to_string(ClosedLoopbackPort()) + "/clip.mp4",
         VFW_E_CANNOT_LOAD_SOURCE_FILTER, "connection refused"},
        {silent.Address(), VFW_E_TIMEOUT, "timed out: nothing playable arrived within 2.0 s"},
    };
    for (const Case& c : cases) {
        GraphHarness h;
        h.Graph.SetRenderTimeout(2000);
        EXPECT_EQ(h.Graph.RenderFile(c.Address), c.Result) << c.Address;
        EXPECT_EQ(h.Graph.LastFailureCause().rfind(c.CauseStart, 0), 0u)
            << c.Address << ": " << h.Graph.LastFailureCause();
    }
    GraphHarness h;
    ASSERT_EQ(h.Graph.RenderFile(Clip("clip.avi")), S_OK);
    EXPECT_EQ(h.Graph.LastFailureCause(), "");
}

// Each hostile server ends the build with a failure and a cause soon after the render time-out,
// and the builder hangs up on it.
TEST(OpenFailure, HostileServersCannotHoldTheBuildUp) {
    const std::tuple<THostility, const char*, std::string> servers[] = {
        {THostility::NeverAnswers, "never answers", "timed out"},
        {THostility::DripsAByteASecond, "drips a byte a second", "timed out"},
        {THostility::RedirectsForever, "redirects for ever",
         "the server redirects again and again (HTTP 302"},
        {THostility::EndlessHeader, "sends an endless header",
         "the address cannot be reached or sent nothing readable"},
    };
    for (const auto& [hostility, title, cause] : servers) {
        SCOPED_TRACE(title);
        THostileHttpServer server(hostility);
        ASSERT_NE(server.Port(), 0);
        GraphHarness h;
        h.Graph.SetRenderTimeout(3000);
        std::future<HRESULT> build =
            std::async(std::launch::async, [&] { return h.Graph.RenderFile(server.Address()); });
        ASSERT_EQ(build.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        EXPECT_TRUE(Failed(build.get()));
        EXPECT_EQ(h.Graph.LastFailureCause().rfind(cause, 0), 0u) << h.Graph.LastFailureCause();
        EXPECT_EQ(h.Graph.EnumFilters().size(), 1u) << "only the renderer stays";
        EXPECT_GE(server.Accepted(), 1);
    }
}

// A build cancelled from another thread ends at once with E_ABORT, and hangs up.
TEST(OpenFailure, ACancelledBuildEndsAndHangsUp) {
    THostileHttpServer server(THostility::NeverAnswers);
    ASSERT_NE(server.Port(), 0);
    GraphHarness h;
    std::atomic<bool> cancel{false};
    std::future<HRESULT> build = std::async(
        std::launch::async, [&] { return h.Graph.RenderFile(server.Address(), &cancel); });
    ASSERT_TRUE(WaitUntil([&] { return server.Accepted() > 0; }));
    cancel = true;
    ASSERT_EQ(build.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(build.get(), E_ABORT);
    EXPECT_EQ(h.Graph.LastFailureCause(), "the open was cancelled");
    EXPECT_TRUE(WaitUntil([&] { return server.HungUp() == server.Accepted(); }))
        << server.HungUp() << " of " << server.Accepted();
}

} // namespace
