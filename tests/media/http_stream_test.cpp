// A clip played from an address: a one-file HTTP server on 127.0.0.1 started by the test.
#include "hostile_http_server.h"
#include "media/platform/event_codes.h"
#include "media_clips.h"

#include <arpa/inet.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace brisat;
using namespace brisat::test;

namespace {

// Answers every GET with the whole file and closes; no ranges, so the source streams it once.
class OneFileServer {
public:
    explicit OneFileServer(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        m_body.assign(std::istreambuf_iterator<char>(in), {});
        m_listener = ListenOnLoopback(m_port);
        if (m_listener < 0) return;
        m_thread = std::thread([this] { Serve(); });
    }
    ~OneFileServer() {
        shutdown(m_listener, SHUT_RDWR);
        close(m_listener);
        if (m_thread.joinable()) m_thread.join();
    }
    int Port() const { return m_port; }

private:
    void Serve() {
        for (;;) {
            int client = accept(m_listener, nullptr, nullptr);
            if (client < 0) return;
            char request[4096];
            std::string seen;
            while (seen.find("\r\n\r\n") == std::string::npos) {
                ssize_t got = recv(client, request, sizeof request, 0);
                if (got <= 0) break;
                seen.append(request, static_cast<std::size_t>(got));
            }
            std::string head = "HTTP/1.1 200 OK\r\nContent-Type: video/x-msvideo\r\n"
                               "Content-Length: " +
                               std::to_string(m_body.size()) + "\r\nConnection: close\r\n\r\n";
            std::string reply = head + m_body;
            for (std::size_t sent = 0; sent < reply.size();) {
                ssize_t n = send(client, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += static_cast<std::size_t>(n);
            }
            close(client);
        }
    }

    std::string m_body;
    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
};

} // namespace

TEST(HttpStream, PlaysAClipFromALocalServerToCompletion) {
    std::string clip = Clip("clip.avi");
    ASSERT_FALSE(clip.empty());
    OneFileServer server(clip);
    ASSERT_NE(server.Port(), 0);
    GraphHarness h;
    std::string address = "http://127.0.0.1:" + std::to_string(server.Port()) + "/clip.avi";
    ASSERT_EQ(h.Graph.RenderFile(address), S_OK) << h.Graph.LastErrorDetail();
    h.Graph.Run();
    std::vector<long> codes = h.WaitForEnd();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), EC_COMPLETE);
    EXPECT_GE(h.Consumer->Frames, kMostOfASecond);
}
