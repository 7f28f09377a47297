#include "support/pgserver.h"

#include <libpq-fe.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace spectavo::test {
namespace {

namespace fs = std::filesystem;

// The newest installed server's programs; Debian keeps them out of PATH.
std::string serverPrograms() {
    std::vector<fs::path> found;
    std::error_code ignored;
    for (const auto &entry : fs::directory_iterator("/usr/lib/postgresql", ignored))
        if (fs::exists(entry.path() / "bin" / "initdb"))
            found.push_back(entry.path() / "bin");
    if (found.empty())
        return ""; // from PATH
    std::sort(found.begin(), found.end(), [](const fs::path &a, const fs::path &b) {
        return std::stoi(a.parent_path().filename().string()) <
               std::stoi(b.parent_path().filename().string());
    });
    return found.back().string() + "/";
}

bool runningAsRoot() {
    return geteuid() == 0;
}

struct ConnectionFree {
    void operator()(PGconn *connection) const { PQfinish(connection); }
};

} // namespace

PrivateServer::PrivateServer() : m_bin(serverPrograms()) {
    char pattern[] = "/tmp/spectavo-pg-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot make a folder for the test server");
    m_folder = pattern;
    if (runningAsRoot()) {
        const passwd *postgres = getpwnam("postgres");
        if (!postgres || chown(m_folder.c_str(), postgres->pw_uid, postgres->pw_gid) != 0)
            throw std::runtime_error("the postgres system user is missing: run scripts/deps");
    }
    run("initdb", "-D " + m_folder + "/data -A trust -U postgres -E UTF8 --no-locale --no-sync");
    start();
}

PrivateServer::~PrivateServer() {
    try {
        run("pg_ctl", "-D " + m_folder + "/data -m immediate -w stop");
    } catch (const std::exception &) {
        // Already stopped.
    }
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

std::string PrivateServer::run(const std::string &tool, const std::string &arguments) const {
    const std::string command = (runningAsRoot() ? "runuser -u postgres -- " : "") + m_bin + tool + " " +
                                arguments + " >>" + m_folder + "/tools.log 2>&1";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("the test server's " + tool + " failed; see " + m_folder + "/tools.log");
    return command;
}

void PrivateServer::start() {
    // The socket only, in the server's own folder; durability is not what these tests are about.
    run("pg_ctl", "-D " + m_folder + "/data -l " + m_folder + "/server.log -w start -o \"-k " + m_folder +
                      " -c listen_addresses= -c fsync=off -c max_connections=40\"");
}

void PrivateServer::kill() {
    run("pg_ctl", "-D " + m_folder + "/data -m immediate -w stop");
}

std::string PrivateServer::connection(const std::string &database) const {
    return "host=" + m_folder + " port=5432 user=postgres dbname=" + database;
}

std::string PrivateServer::newDatabase(const std::string &name) {
    const std::string problem = statement("postgres", "CREATE DATABASE " + name);
    if (!problem.empty())
        throw std::runtime_error("cannot make the test database: " + problem);
    return connection(name);
}

std::string PrivateServer::statement(const std::string &database, const std::string &sql) const {
    const std::unique_ptr<PGconn, ConnectionFree> db(PQconnectdb(connection(database).c_str()));
    if (PQstatus(db.get()) != CONNECTION_OK)
        return PQerrorMessage(db.get());
    PGresult *result = PQexec(db.get(), sql.c_str());
    const ExecStatusType status = PQresultStatus(result);
    std::string problem;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        const char *primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
        problem = primary ? primary : PQerrorMessage(db.get());
    }
    PQclear(result);
    return problem;
}

} // namespace spectavo::test
