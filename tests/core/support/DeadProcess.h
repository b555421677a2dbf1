#pragma once
#include <sys/wait.h>
#include <unistd.h>

// The id of a process that has ended (and been reaped), as a crashed run leaves it.
inline int DeadProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}
