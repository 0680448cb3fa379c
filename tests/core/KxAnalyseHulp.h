#pragma once

#include "cli/Rapport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace kx::test {

struct TUitvoer {
    int Status;
    std::string Uit;
    std::string Fout;
};

// kx-analyse in process, without the PDF writer.
inline TUitvoer Voer(const std::vector<std::string>& argumenten) {
    std::ostringstream uit;
    std::ostringstream fout;
    const int status = VoerAnalyseUit(argumenten, uit, fout);
    return {status, uit.str(), fout.str()};
}

// Where the built program's standard output goes.
enum class TUitgang { Apparaatvol, GeslotenPijp };

// The built kx-analyse as a process with its standard output on a full device or a pipe whose
// reader is gone; its exit status (-1 when it did not exit by itself) and standard error.
inline TUitvoer VoerProgramma(const std::vector<std::string>& argumenten, TUitgang uitgang,
                              const std::filesystem::path& foutbestand) {
    std::vector<std::string> woorden{KX_ANALYSE};
    woorden.insert(woorden.end(), argumenten.begin(), argumenten.end());
    std::vector<char*> argv;
    for (auto& woord : woorden) {
        argv.push_back(woord.data());
    }
    argv.push_back(nullptr);
    std::array<int, 2> pijp{-1, -1};
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    if (uitgang == TUitgang::Apparaatvol) {
        posix_spawn_file_actions_addopen(&acties, 1, "/dev/full", O_WRONLY, 0);
    } else if (pipe(pijp.data()) == 0) {
        // The reader is gone before the program starts.
        close(pijp[0]);
        posix_spawn_file_actions_adddup2(&acties, pijp[1], 1);
        posix_spawn_file_actions_addclose(&acties, pijp[1]);
    }
    posix_spawn_file_actions_addopen(&acties, 2, foutbestand.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    const int gestart = posix_spawn(&pid, argv[0], &acties, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    if (pijp[1] >= 0) {
        close(pijp[1]);
    }
    int status = 0;
    if (gestart != 0 || waitpid(pid, &status, 0) != pid) {
        return {-1, "", "niet gestart"};
    }
    std::ifstream in(foutbestand, std::ios::binary);
    std::string fout{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, "", fout};
}

} // namespace kx::test
