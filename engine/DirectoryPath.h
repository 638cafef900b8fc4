#pragma once
// Making sure the output folder exists, level by level, and making it the current folder, which the
// encoder inherits.

#include <string>

// The file-system calls the walk needs; the Windows build passes the platform's, tests a fake.
class DirectoryOps {
public:
    virtual ~DirectoryOps() = default;
    virtual bool SetCurrent(const std::string& path) = 0;
    // Creates one folder; a relative path is taken from the current folder.
    virtual bool Create(const std::string& path) = 0;
};

// 0 when the folder exists (created as needed) and is the current folder, -1 otherwise.
int MakeDirectoryPath(const std::string& folder, DirectoryOps& ops);
