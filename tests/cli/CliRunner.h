#pragma once
#include "core/base/AtomicFile.h"
#include "tests/core/support/TempDir.h"
#include <cstdlib>
#include <string>
#include <sys/wait.h>

struct CliRun {
    int status = -1;
    std::string out, err;
};

// A shell word holding s exactly.
inline std::string Quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs daubrix-cli with args (after prefix, a command that runs it, such as one that changes
// the user); what it printed is kept in dir.
inline CliRun RunCli(const std::string& args, const TempDir& dir, const std::string& prefix = {})
{
    CliRun r;
    const std::string out = dir.File("out.txt"), err = dir.File("err.txt");
    const std::string cmd = prefix + Quote(DAUBRIX_CLI) + " " + args + " >" + Quote(out) + " 2>" + Quote(err);
    const int raw = std::system(cmd.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    ReadWholeFile(out, r.out);
    ReadWholeFile(err, r.err);
    return r;
}
