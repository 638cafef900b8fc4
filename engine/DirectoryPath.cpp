#include "DirectoryPath.h"

int MakeDirectoryPath(const std::string& folder, DirectoryOps& ops) {
    std::string path = folder;
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    if (path.empty()) {
        return -1;
    }
    if (ops.SetCurrent(path)) {
        return 0;  // it exists already
    }
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos) {
        return -1;
    }
    const std::string parent = path.substr(0, slash);
    bool created = false;
    if (!parent.empty() && parent.back() == ':') {
        created = ops.Create(path);  // directly below a drive: nothing further up to make
    } else {
        if (MakeDirectoryPath(parent, ops) != 0) {
            return -1;
        }
        created = ops.Create(path.substr(slash + 1));
    }
    return created && ops.SetCurrent(path) ? 0 : -1;
}
