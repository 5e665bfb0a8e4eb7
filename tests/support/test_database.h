#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// A PostgreSQL server of the test's own: made with initdb in a folder of the process's own inside
// `folder`, started on a free local port, stopped and removed at the end. Run as root, it runs as
// nobody, which the server needs. No system cluster, and nothing in the user's home.
class TestDatabase {
  public:
    // A server for tests skips syncing its files; a server measured syncs them, as in use.
    enum class Sync { off, on };

    explicit TestDatabase(std::filesystem::path folder, Sync sync = Sync::off);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Why there is no server (its binaries missing, or it would not start); empty when it runs.
    const std::string& missing() const { return missing_; }
    // The ODBC connection string of a new, empty database of the server.
    std::string freshDatabase();
    // Ends every connection to the database but the server's own, as a network failure would.
    void dropConnections(const std::string& connectionString);

  private:
    // Runs a server program as the server's user; whether it succeeded.
    bool run(const std::string& command) const;

    std::filesystem::path folder_;
    std::filesystem::path binaries_;
    std::string asServer_;
    int port_ = 0;
    int databases_ = 0;
    bool started_ = false;
    std::string missing_;
};

}  // namespace testing_support
