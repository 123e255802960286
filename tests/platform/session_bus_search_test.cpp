#include "../temp_folder.h"
#include "platform/gio_thread.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace brisat {
namespace {

class SessionBusSearch : public TempFolderTest {
protected:
    // A listening socket at Path, as a bus daemon leaves in its runtime folder.
    void Listen(const std::string& path) {
        m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(m_socket, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof address.sun_path);
        path.copy(address.sun_path, path.size());
        ASSERT_EQ(bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    void TearDown() override {
        if (m_socket >= 0) close(m_socket);
        TempFolderTest::TearDown();
    }
    int m_socket = -1;
};

TEST_F(SessionBusSearch, AnAddressARuntimeSocketOrTheLauncherFindTheBusAndNothingElseDoes) {
    std::filesystem::create_directories(PathOf("socket"));
    Listen(PathOf("socket/bus"));
    std::filesystem::create_directories(PathOf("file"));
    std::ofstream(PathOf("file/bus")) << "not a socket";
    std::filesystem::create_directories(PathOf("folder/bus"));
    const std::string socketRun = PathOf("socket"), fileRun = PathOf("file"),
                      folderRun = PathOf("folder"), missing = PathOf("missing");
    struct Case {
        const char* Address;
        const char* Runtime;
        bool Launcher;
        bool Findable;
    } cases[] = {
        {"unix:path=/run/user/1000/bus", nullptr, false, true},
        {nullptr, socketRun.c_str(), false, true},
        {nullptr, nullptr, true, true},
        {"", fileRun.c_str(), true, true},
        {nullptr, nullptr, false, false},
        {"", "", false, false},
        {nullptr, fileRun.c_str(), false, false},
        {nullptr, folderRun.c_str(), false, false},
        {nullptr, missing.c_str(), false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SessionBusFindable(c.Address, c.Runtime, c.Launcher), c.Findable)
            << (c.Address ? c.Address : "(no address)") << ", "
            << (c.Runtime ? c.Runtime : "(no runtime folder)") << ", launcher " << c.Launcher;
}

} // namespace
} // namespace brisat
