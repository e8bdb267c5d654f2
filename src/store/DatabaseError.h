#pragma once

#include <stdexcept>

// A failure of the database or of the files around it, carrying SQLite's
// own description (or the file system's) as its message.
class DatabaseError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
