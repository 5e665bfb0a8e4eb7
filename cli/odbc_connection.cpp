#include "odbc_connection.h"

#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include "utf8.h"

namespace cli {
namespace {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the driver's texts are UTF-16");

// The driver manager does not change the texts it is given; its declarations are not const.
SQLWCHAR* wide(std::u16string& text) {
    return reinterpret_cast<SQLWCHAR*>(text.data());
}

bool succeeded(SQLRETURN code) {
    return code == SQL_SUCCESS || code == SQL_SUCCESS_WITH_INFO;
}

// Every diagnostic record of the handle, read before the handle is closed or used again.
StatementResult failureOf(SQLSMALLINT type, SQLHANDLE handle, std::string_view doing) {
    StatementResult result;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        if (!succeeded(SQLGetDiagRecW(type, handle, record, state, &native, message,
                                      SQLSMALLINT(std::size(message)), &length))) {
            break;
        }
        const auto text =
            platform::toUtf8({reinterpret_cast<const char16_t*>(message),
                              std::min<std::size_t>(std::size_t(std::max<SQLSMALLINT>(length, 0)),
                                                    std::size(message) - 1)});
        const auto code = platform::toUtf8({reinterpret_cast<const char16_t*>(state), 5});
        if (result.sqlState.empty()) {
            result.sqlState = code;
        }
        result.failure += (result.failure.empty() ? "" : "; ") + text + " (SQLSTATE " + code + ")";
    }
    if (result.failure.empty()) {
        result.failure = std::string(doing) + " failed without a reason (no ODBC driver manager?)";
    }
    return result;
}

// A column's text, read in pieces however long it is.
std::string columnText(SQLHSTMT statement, SQLUSMALLINT column) {
    std::u16string text;
    SQLWCHAR piece[256];
    for (;;) {
        SQLLEN length = 0;
        const auto code = SQLGetData(statement, column, SQL_C_WCHAR, piece, sizeof(piece), &length);
        if (!succeeded(code) || length == SQL_NULL_DATA) {
            break;
        }
        const std::size_t whole = std::size(piece) - 1;
        const std::size_t got =
            length == SQL_NO_TOTAL || std::size_t(length) / sizeof(SQLWCHAR) > whole
                ? whole
                : std::size_t(length) / sizeof(SQLWCHAR);
        text.append(reinterpret_cast<const char16_t*>(piece), got);
        if (code == SQL_SUCCESS) {
            break;
        }
    }
    return platform::toUtf8KeepingBytes(text);
}

}  // namespace

OdbcConnection::~OdbcConnection() {
    if (statement_ != nullptr) {
        SQLFreeHandle(SQL_HANDLE_STMT, statement_);
    }
    if (connection_ != nullptr) {
        // A transaction left open is given up, never committed by the disconnection.
        SQLEndTran(SQL_HANDLE_DBC, connection_, SQL_ROLLBACK);
        SQLDisconnect(connection_);
        SQLFreeHandle(SQL_HANDLE_DBC, connection_);
    }
    if (environment_ != nullptr) {
        SQLFreeHandle(SQL_HANDLE_ENV, environment_);
    }
}

std::string OdbcConnection::connect(std::string_view connectionString) {
    // Wine's odbc32 answers so, and nothing more, when the host has no unixODBC of the program's
    // architecture (the 32-bit program needs libodbc2:i386).
    if (!succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment_))) {
        environment_ = nullptr;
        return "no ODBC environment could be made (is an ODBC driver manager installed?)";
    }
    SQLSetEnvAttr(environment_, SQL_ATTR_ODBC_VERSION,
                  reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(SQL_OV_ODBC3)), 0);
    if (!succeeded(SQLAllocHandle(SQL_HANDLE_DBC, environment_, &connection_))) {
        connection_ = nullptr;
        return failureOf(SQL_HANDLE_ENV, environment_, "making a connection").failure;
    }
    SQLSetConnectAttrW(connection_, SQL_ATTR_LOGIN_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(10)), 0);
    auto text = platform::fromUtf8KeepingBytes(connectionString);
    SQLWCHAR completed[1024];
    SQLSMALLINT length = 0;
    if (!succeeded(SQLDriverConnectW(connection_, nullptr, wide(text), SQLSMALLINT(text.size()),
                                     completed, SQLSMALLINT(std::size(completed)), &length,
                                     SQL_DRIVER_NOPROMPT))) {
        auto failure = failureOf(SQL_HANDLE_DBC, connection_, "connecting").failure;
        SQLFreeHandle(SQL_HANDLE_DBC, connection_);
        connection_ = nullptr;
        return failure;
    }
    // Each change is committed whole, or not at all.
    if (!succeeded(SQLSetConnectAttrW(
            connection_, SQL_ATTR_AUTOCOMMIT,
            reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(SQL_AUTOCOMMIT_OFF)), 0)) ||
        !succeeded(SQLAllocHandle(SQL_HANDLE_STMT, connection_, &statement_))) {
        statement_ = nullptr;
        return failureOf(SQL_HANDLE_DBC, connection_, "opening a transaction").failure;
    }
    return {};
}

StatementResult OdbcConnection::execute(std::string_view sql,
                                        const std::vector<std::string>& parameters) {
    if (statement_ == nullptr) {
        return {.rows = {}, .changed = 0, .failure = "not connected", .sqlState = "08003"};
    }
    // Bound by address: both stay put until the statement has run.
    std::vector<std::u16string> values;
    values.reserve(parameters.size());
    std::vector<SQLLEN> lengths(parameters.size());
    auto text = platform::fromUtf8KeepingBytes(sql);
    StatementResult result;
    for (std::size_t at = 0; at < parameters.size(); ++at) {
        values.push_back(platform::fromUtf8KeepingBytes(parameters[at]));
        lengths[at] = SQLLEN(values[at].size() * sizeof(SQLWCHAR));
        if (!succeeded(SQLBindParameter(statement_, SQLUSMALLINT(at + 1), SQL_PARAM_INPUT,
                                        SQL_C_WCHAR, SQL_WVARCHAR,
                                        std::max<SQLULEN>(values[at].size(), 1), 0,
                                        wide(values[at]), lengths[at], &lengths[at]))) {
            result = failureOf(SQL_HANDLE_STMT, statement_, "binding a value");
            break;
        }
    }
    if (!result.failed()) {
        const auto code = SQLExecDirectW(statement_, wide(text), SQLINTEGER(text.size()));
        // Under ODBC 3 a statement that changed no row answers "no data", not a count of 0.
        if (code != SQL_NO_DATA && !succeeded(code)) {
            result = failureOf(SQL_HANDLE_STMT, statement_, "a statement");
        } else if (code != SQL_NO_DATA) {
            SQLLEN changed = 0;
            SQLSMALLINT columns = 0;
            SQLRowCount(statement_, &changed);
            SQLNumResultCols(statement_, &columns);
            result.changed = columns == 0 ? changed : 0;
            for (SQLRETURN fetched = columns == 0 ? SQL_NO_DATA : SQLFetch(statement_);
                 succeeded(fetched); fetched = SQLFetch(statement_)) {
                auto& row = result.rows.emplace_back();
                for (SQLSMALLINT column = 1; column <= columns; ++column) {
                    row.push_back(columnText(statement_, SQLUSMALLINT(column)));
                }
            }
        }
    }
    // A statement that made no cursor has none to close: SQL_CLOSE, not SQLCloseCursor.
    SQLFreeStmt(statement_, SQL_CLOSE);
    SQLFreeStmt(statement_, SQL_RESET_PARAMS);
    return result;
}

std::string OdbcConnection::commit() {
    return endTransaction(true);
}

std::string OdbcConnection::rollback() {
    return endTransaction(false);
}

std::string OdbcConnection::endTransaction(bool commit) {
    if (connection_ == nullptr) {
        return "not connected";
    }
    if (succeeded(SQLEndTran(SQL_HANDLE_DBC, connection_, commit ? SQL_COMMIT : SQL_ROLLBACK))) {
        return {};
    }
    return failureOf(SQL_HANDLE_DBC, connection_, commit ? "committing" : "rolling back").failure;
}

}  // namespace cli
