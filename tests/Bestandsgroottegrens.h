#pragma once

#include <csignal>
#include <sys/resource.h>

namespace kx::test {

// While it lives, no file of this process may grow beyond grens bytes: a write past it fails
// with EFBIG, as a write to a full disk fails late. Keep nothing else writing files meanwhile.
class Bestandsgroottegrens {
public:
    explicit Bestandsgroottegrens(rlim_t grens) {
        getrlimit(RLIMIT_FSIZE, &oud_);
        vorigeAfhandeling_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nieuw = oud_;
        nieuw.rlim_cur = grens;
        setrlimit(RLIMIT_FSIZE, &nieuw);
    }
    Bestandsgroottegrens(const Bestandsgroottegrens&) = delete;
    Bestandsgroottegrens& operator=(const Bestandsgroottegrens&) = delete;
    ~Bestandsgroottegrens() {
        setrlimit(RLIMIT_FSIZE, &oud_);
        std::signal(SIGXFSZ, vorigeAfhandeling_);
    }

private:
    rlimit oud_{};
    void (*vorigeAfhandeling_)(int) = SIG_DFL;
};

} // namespace kx::test
