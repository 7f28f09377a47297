#pragma once

#include <string>

namespace spectavo::test {

// A PostgreSQL server of the test's own: its cluster in a fresh temporary folder, listening only on
// a Unix socket there, stopped and removed with the object. PostgreSQL refuses to run as root, so
// under root the server runs as the `postgres` system user and the folder is that user's.
class PrivateServer {
public:
    PrivateServer();
    ~PrivateServer();
    PrivateServer(const PrivateServer &) = delete;
    PrivateServer &operator=(const PrivateServer &) = delete;

    // A libpq connection string to a database of the server, as the superuser.
    std::string connection(const std::string &database) const;
    // Makes an empty database and returns its connection string.
    std::string newDatabase(const std::string &name);
    // Runs statements as the superuser, behind the program's back: the server's first error message,
    // empty when they went through.
    std::string statement(const std::string &database, const std::string &sql) const;

    // Stopped the way a crash stops it: no shutdown checkpoint, every connection cut.
    void kill();
    void start();

private:
    std::string run(const std::string &tool, const std::string &arguments) const;

    std::string m_bin;
    std::string m_folder;
};

} // namespace spectavo::test
