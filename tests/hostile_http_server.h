// HTTP servers on 127.0.0.1 that misbehave the way a stream address can: one that accepts and
// never answers, one that drips its answer a byte a second, one that redirects for ever and one
// whose header never ends. Each serves on a thread of its own until it is destroyed; it also
// tells whether a client has hung up.
#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace brisat::test {

// A socket listening on a free port of 127.0.0.1, its port in `port`; -1 (port 0) on failure.
inline int ListenOnLoopback(int& port) {
    port = 0;
    int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener, 16) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener >= 0) close(listener);
        return -1;
    }
    port = ntohs(address.sin_port);
    return listener;
}

// A loopback port nothing listens on: bound, then let go.
inline int ClosedLoopbackPort() {
    int port = 0;
    int listener = ListenOnLoopback(port);
    if (listener >= 0) close(listener);
    return port;
}

enum class THostility { NeverAnswers, DripsAByteASecond, RedirectsForever, EndlessHeader };

class THostileHttpServer {
public:
    explicit THostileHttpServer(THostility hostility)
        : m_hostility(hostility), m_listener(ListenOnLoopback(m_port)) {
        if (m_listener >= 0) m_acceptor = std::thread([this] { Accept(); });
    }
    ~THostileHttpServer() {
        {
            std::lock_guard lock(m_lock);
            m_stopping = true;
            for (int client : m_clients)
                shutdown(client, SHUT_RDWR);
        }
        m_wake.notify_all();
        if (m_listener >= 0) {
            shutdown(m_listener, SHUT_RDWR);
            close(m_listener);
        }
        if (m_acceptor.joinable()) m_acceptor.join();
        for (std::thread& session : m_sessions)
            session.join();
        for (int client : m_clients)
            close(client);
    }
    THostileHttpServer(const THostileHttpServer&) = delete;
    THostileHttpServer& operator=(const THostileHttpServer&) = delete;

    // 0 when the server could not start.
    int Port() const { return m_port; }
    std::string Address(const std::string& path = "/clip.mp4") const {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }
    // Connections accepted so far, and how many of them the client has closed.
    int Accepted() const { return m_accepted; }
    int HungUp() const { return m_hungUp; }

private:
    void Accept() {
        for (;;) {
            int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) return;
            std::lock_guard lock(m_lock);
            if (m_stopping) {
                close(client);
                return;
            }
            ++m_accepted;
            m_clients.push_back(client);
            m_sessions.emplace_back([this, client] { Serve(client); });
        }
    }

    void Serve(int client) {
        std::string request = ReadRequest(client);
        if (request.empty()) return;
        switch (m_hostility) {
        case THostility::NeverAnswers:
            break;
        case THostility::DripsAByteASecond:
            Drip(client, "HTTP/1.1 200 OK\r\nContent-Type: video/mp4\r\nContent-Length: "
                         "1000000\r\n\r\n");
            break;
        case THostility::RedirectsForever: // on this connection as long as it is kept alive
            do {
                const std::string next = "/loop" + std::to_string(++m_redirects) + ".mp4";
                if (!Send(client, "HTTP/1.1 302 Found\r\nLocation: " + next +
                                      "\r\nContent-Length: 0\r\n\r\n"))
                    return;
            } while (!ReadRequest(client).empty());
            return;
        case THostility::EndlessHeader:
            if (Send(client, "HTTP/1.1 200 OK\r\n"))
                while (Send(client, "X-Filler: " + std::string(1000, 'a') + "\r\n")) {
                }
            break;
        }
        WaitForHangUp(client);
    }

    static std::string ReadRequest(int client) {
        std::string seen;
        char buffer[1024];
        while (seen.find("\r\n\r\n") == std::string::npos && seen.size() < 65536) {
            ssize_t got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            seen.append(buffer, std::size_t(got));
        }
        return seen;
    }

    bool Send(int client, const std::string& text) {
        for (std::size_t sent = 0; sent < text.size();) {
            ssize_t n = send(client, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
            if (n <= 0 || Stopping()) return false;
            sent += std::size_t(n);
        }
        return true;
    }

    void Drip(int client, const std::string& text) {
        for (char byte : text) {
            if (!Send(client, std::string(1, byte))) return;
            std::unique_lock lock(m_lock);
            if (m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stopping; }))
                return;
        }
    }

    // Reads until the client closes the connection (or the server stops).
    void WaitForHangUp(int client) {
        char buffer[1024];
        ssize_t got = 0;
        while ((got = recv(client, buffer, sizeof buffer, 0)) > 0) {
        }
        if (got == 0 && !Stopping()) ++m_hungUp;
        shutdown(client, SHUT_RDWR);
    }

    bool Stopping() {
        std::lock_guard lock(m_lock);
        return m_stopping;
    }

    THostility m_hostility;
    int m_port = 0;
    int m_listener = -1;
    std::atomic<int> m_accepted{0};
    std::atomic<int> m_hungUp{0};
    std::atomic<int> m_redirects{0};
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::vector<int> m_clients;
    std::vector<std::thread> m_sessions;
    std::thread m_acceptor;
};

} // namespace brisat::test
