#pragma once
#include <cstdio>
#include <string>
#include <sys/wait.h>

// Runs a shell command and keeps what it printed on standard output and its exit status.
struct CommandOutput {
    int status = -1;
    std::string out;
};

inline CommandOutput RunCommand(const std::string& command)
{
    CommandOutput r;
    std::FILE* p = popen(command.c_str(), "r");
    if (!p)
        return r;
    char buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// "frames,width,height,rate" of the first video stream as ffprobe counts them by decoding.
inline std::string ProbeVideo(const std::string& path, bool countByDecoding = true)
{
    const std::string what = countByDecoding ? "-count_frames -show_entries stream=nb_read_frames,width,height,r_frame_rate"
                                             : "-count_packets -show_entries stream=nb_read_packets,width,height,r_frame_rate";
    CommandOutput r = RunCommand("ffprobe -v error -select_streams v:0 " + what + " -of csv=p=0 " + Quoted(path));
    while (!r.out.empty() && (r.out.back() == '\n' || r.out.back() == '\r'))
        r.out.pop_back();
    return r.out;
}

// Everything ffmpeg says while decoding the file to the end: empty for a sound file.
inline std::string DecodeComplaints(const std::string& path)
{
    return RunCommand("ffmpeg -nostdin -v error -i " + Quoted(path) + " -f null - 2>&1").out;
}

// The decoded frames as packed RGB, top row first, one after another.
inline std::string DecodeRgb(const std::string& path)
{
    return RunCommand("ffmpeg -nostdin -v error -i " + Quoted(path) + " -f rawvideo -pix_fmt rgb24 -").out;
}
