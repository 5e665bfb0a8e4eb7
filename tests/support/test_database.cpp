#include "test_database.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace testing_support {
namespace {

// The newest installed server's programs; empty when there is none.
std::filesystem::path serverBinaries() {
    std::filesystem::path newest;
    std::error_code error;
    for (const auto& version : std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
        if (std::filesystem::exists(version.path() / "bin" / "initdb") &&
            version.path() > newest.parent_path()) {
            newest = version.path() / "bin";
        }
    }
    return newest;
}

// A port nothing listens on now.
int freePort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(probe);
    return ntohs(address.sin_port);
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

}  // namespace

TestDatabase::TestDatabase(std::filesystem::path folder, Sync sync)
    // A folder of the process's own: the test runner starts each test in a process of its own,
    // several at once.
    : folder_(folder / std::to_string(::getpid())), binaries_(serverBinaries()) {
    if (binaries_.empty()) {
        missing_ = "no PostgreSQL server programs under /usr/lib/postgresql (install postgresql)";
        return;
    }
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    if (::geteuid() == 0) {
        // The server refuses to run as root.
        asServer_ = "setpriv --reuid=nobody --regid=nogroup --clear-groups -- ";
        std::system(("chown nobody:nogroup " + quoted(folder_)).c_str());
    }
    port_ = freePort();
    const auto data = folder_ / "data";
    started_ = run(quoted(binaries_ / "initdb") +
                   " --no-sync --auth=trust -U qumat -E UTF8 --no-locale -D " + quoted(data)) &&
               run(quoted(binaries_ / "pg_ctl") + " -w -s -D " + quoted(data) + " -l " +
                   quoted(folder_ / "server.log") + " -o \"-p " + std::to_string(port_) + " -k " +
                   quoted(folder_) + " -c listen_addresses=127.0.0.1" +
                   (sync == Sync::off ? " -c fsync=off" : "") + "\" start");
    if (!started_) {
        missing_ =
            "the test's PostgreSQL server did not start; see " + (folder_ / "server.log").string();
    }
}

TestDatabase::~TestDatabase() {
    if (started_) {
        run(quoted(binaries_ / "pg_ctl") + " -w -s -m immediate -D " + quoted(folder_ / "data") +
            " stop");
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string TestDatabase::freshDatabase() {
    const std::string name = "ledger" + std::to_string(++databases_);
    run(quoted(binaries_ / "createdb") + " -h 127.0.0.1 -p " + std::to_string(port_) +
        " -U qumat " + name);
    return "Driver=PostgreSQL Unicode;Server=127.0.0.1;Port=" + std::to_string(port_) +
           ";Database=" + name + ";Uid=qumat;Pwd=";
}

void TestDatabase::dropConnections(const std::string& connectionString) {
    const auto name = connectionString.substr(
        connectionString.find("Database=") + 9,
        connectionString.find(";Uid") - connectionString.find("Database=") - 9);
    run(quoted(binaries_ / "psql") + " -q -h 127.0.0.1 -p " + std::to_string(port_) +
        " -U qumat -d postgres -c \"SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
        "WHERE datname = '" +
        name + "'\"");
}

bool TestDatabase::run(const std::string& command) const {
    return std::system((asServer_ + command + " > /dev/null 2>&1").c_str()) == 0;
}

}  // namespace testing_support
