// Databases of the office stand-in: a connection and a forward-only record set over ODBC.
#include <sql.h>
#include <sqlext.h>

#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/office.h"
#include "platform/office_p.h"
#include "platform/text_file.h"

namespace hd {

namespace {

std::string Diagnostic(SQLSMALLINT Type, SQLHANDLE Handle) {
  std::string out;
  SQLCHAR state[8], text[1024];
  SQLINTEGER native = 0;
  SQLSMALLINT len = 0;
  for (SQLSMALLINT i = 1; SQLGetDiagRec(Type, Handle, i, state, &native, text, sizeof text, &len) == SQL_SUCCESS; ++i) {
    if (!out.empty()) out += "; ";
    out += reinterpret_cast<const char*>(text);
  }
  return out.empty() ? "unknown database error" : out;
}

void Check(SQLRETURN Rc, SQLSMALLINT Type, SQLHANDLE Handle, const std::string& What) {
  if (Rc == SQL_SUCCESS || Rc == SQL_SUCCESS_WITH_INFO) return;
  throw EOleError(What + ": " + Diagnostic(Type, Handle));
}

const char* const kDesktopDriver = "Driver={Microsoft Access Driver (*.mdb)};";

}  // namespace

struct TDbConnection::TImpl {
  SQLHENV env = SQL_NULL_HENV;
  SQLHDBC dbc = SQL_NULL_HDBC;
  bool connected = false;
  ~TImpl() {
    if (connected) SQLDisconnect(dbc);
    if (dbc) SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    if (env) SQLFreeHandle(SQL_HANDLE_ENV, env);
  }
};

TDbConnection::TDbConnection() = default;
TDbConnection::~TDbConnection() = default;

std::string TDbConnection::DriverConnectionString(const std::string& ConnectionString) {
  if (ConnectionString.compare(0, std::strlen(kDesktopDriver), kDesktopDriver) != 0) return ConnectionString;
  std::string rest = ConnectionString.substr(std::strlen(kDesktopDriver));
  std::string file = rest.compare(0, 4, "DBQ=") == 0 ? rest.substr(4) : std::string();
  if (const std::size_t semi = file.find(';'); semi != std::string::npos) file.resize(semi);
  std::string head;
  try {
    head = office::FileHead(file, 16);
  } catch (const EOleError&) {
  }
  if (head == std::string("SQLite format 3\0", 16)) return "Driver=SQLite3;Database=" + file + ";";
  return "Driver=MDBTools;DBQ=" + file + ";";
}

void TDbConnection::Open(const std::string& ConnectionString) {
  p_ = std::make_unique<TImpl>();
  Check(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &p_->env), SQL_HANDLE_ENV, SQL_NULL_HANDLE, "Database layer");
  SQLSetEnvAttr(p_->env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  Check(SQLAllocHandle(SQL_HANDLE_DBC, p_->env, &p_->dbc), SQL_HANDLE_ENV, p_->env, "Database connection");
  std::string text = DriverConnectionString(ConnectionString);
  SQLCHAR out[1024];
  SQLSMALLINT outLen = 0;
  Check(SQLDriverConnect(p_->dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), static_cast<SQLSMALLINT>(text.size()),
                         out, sizeof out, &outLen, SQL_DRIVER_NOPROMPT),
        SQL_HANDLE_DBC, p_->dbc, "Cannot open the database");
  p_->connected = true;
}

void TDbConnection::Close() { p_.reset(); }

struct TDbRecordSet::TImpl {
  SQLHSTMT stmt = SQL_NULL_HSTMT;
  std::vector<std::string> names;
  std::vector<std::string> values;
  std::vector<bool> nulls;
  int recordCount = -1;
  bool eof = true;
  ~TImpl() {
    if (stmt) SQLFreeHandle(SQL_HANDLE_STMT, stmt);
  }
  // Fetches the next record into values; false at the end.
  bool Fetch() {
    const SQLRETURN rc = SQLFetch(stmt);
    if (rc == SQL_NO_DATA) return false;
    Check(rc, SQL_HANDLE_STMT, stmt, "Cannot read a record");
    for (std::size_t i = 0; i < names.size(); ++i) {
      std::string value;
      bool isNull = false;
      char buf[4096];
      SQLLEN ind = 0;
      for (;;) {
        const SQLRETURN g = SQLGetData(stmt, static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR, buf, sizeof buf, &ind);
        if (g == SQL_NO_DATA) break;
        Check(g, SQL_HANDLE_STMT, stmt, "Cannot read field " + names[i]);
        if (ind == SQL_NULL_DATA) {
          isNull = true;
          break;
        }
        const std::size_t got =
            ind == SQL_NO_TOTAL || ind >= static_cast<SQLLEN>(sizeof buf) ? sizeof buf - 1 : static_cast<std::size_t>(ind);
        value.append(buf, got);
        if (g == SQL_SUCCESS) break;
      }
      values[i] = ValidUtf8(value);
      nulls[i] = isNull;
    }
    return true;
  }
};

TDbRecordSet::TDbRecordSet() = default;
TDbRecordSet::~TDbRecordSet() = default;

void TDbRecordSet::Open(const std::string& SQL) {
  if (!conn_ || !conn_->p_) throw EOleError("The record set has no open connection");
  p_ = std::make_unique<TImpl>();
  Check(SQLAllocHandle(SQL_HANDLE_STMT, conn_->p_->dbc, &p_->stmt), SQL_HANDLE_DBC, conn_->p_->dbc, "Database statement");
  std::string sql = SQL;
  Check(SQLExecDirect(p_->stmt, reinterpret_cast<SQLCHAR*>(sql.data()), static_cast<SQLINTEGER>(sql.size())), SQL_HANDLE_STMT,
        p_->stmt, "Cannot run \"" + SQL + "\"");
  SQLSMALLINT n = 0;
  Check(SQLNumResultCols(p_->stmt, &n), SQL_HANDLE_STMT, p_->stmt, "Cannot read the fields");
  for (SQLSMALLINT i = 1; i <= n; ++i) {
    SQLCHAR name[256];
    SQLSMALLINT len = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    Check(SQLDescribeCol(p_->stmt, static_cast<SQLUSMALLINT>(i), name, sizeof name, &len, &type, &size, &digits, &nullable),
          SQL_HANDLE_STMT, p_->stmt, "Cannot read the fields");
    p_->names.push_back(ValidUtf8(reinterpret_cast<const char*>(name)));
  }
  p_->values.resize(p_->names.size());
  p_->nulls.resize(p_->names.size());
  // A forward-only result knows its count only at its end.
  SQLLEN count = -1;
  if (SQLRowCount(p_->stmt, &count) == SQL_SUCCESS && count > 0) p_->recordCount = static_cast<int>(count);
  p_->eof = !p_->Fetch();
}

int TDbRecordSet::FieldCount() const { return p_ ? static_cast<int>(p_->names.size()) : 0; }

std::string TDbRecordSet::FieldName(int Index) const { return p_->names.at(static_cast<std::size_t>(Index)); }

int TDbRecordSet::RecordCount() const { return p_ ? p_->recordCount : -1; }

bool TDbRecordSet::Eof() const { return !p_ || p_->eof; }

void TDbRecordSet::MoveNext() {
  if (Eof()) throw EOleError("Either BOF or EOF is True");
  p_->eof = !p_->Fetch();
}

int TDbRecordSet::FieldActualSize(int Index) const {
  if (Eof()) throw EOleError("Either BOF or EOF is True");
  const std::size_t i = static_cast<std::size_t>(Index);
  return p_->nulls.at(i) ? 0 : static_cast<int>(p_->values.at(i).size());
}

std::string TDbRecordSet::FieldValue(int Index) const {
  if (Eof()) throw EOleError("Either BOF or EOF is True");
  return p_->values.at(static_cast<std::size_t>(Index));
}

void TDbRecordSet::Close() { p_.reset(); }

}  // namespace hd
