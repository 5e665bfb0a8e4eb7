#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What a statement gave: its rows (a NULL as an empty text), or the rows it changed, or why it
// failed.
struct StatementResult {
    std::vector<std::vector<std::string>> rows;
    long long changed = 0;
    // "message (SQLSTATE xxxxx)"; empty when the statement ran.
    std::string failure;
    std::string sqlState;

    bool failed() const { return !failure.empty(); }
    // The server gave up the transaction to keep concurrent ones apart: run it again.
    bool mustRetry() const { return sqlState.starts_with("40"); }
};

// One connection to a database through ODBC (unixODBC on Linux, the system's odbc32 on Windows),
// its statements in a transaction that commit() or rollback() ends. Texts are UTF-8 here and
// UTF-16 to the driver, whatever the code page.
class OdbcConnection {
  public:
    OdbcConnection() = default;
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // Connects without asking anything of the user; why not.
    std::string connect(std::string_view connectionString);
    // Runs one statement, its ? markers taking the parameters in order.
    StatementResult execute(std::string_view sql, const std::vector<std::string>& parameters = {});
    std::string commit();
    std::string rollback();

  private:
    std::string endTransaction(bool commit);

    void* environment_ = nullptr;
    void* connection_ = nullptr;
    void* statement_ = nullptr;
};

}  // namespace cli
