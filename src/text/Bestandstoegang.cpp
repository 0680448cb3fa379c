#include "text/Bestandstoegang.h"

#include "text/Teksten.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kx {

namespace {

namespace fs = std::filesystem;
using TSoort = TBestandsfout::TSoort;

constexpr int PogingenVoorTijdelijkeNaam = 100;
constexpr std::size_t HexCijfers = 16;
// The point before, the point and hexadecimal digits after, and the closing "~".
constexpr std::size_t TijdelijkeToevoeging = 1 + 1 + HexCijfers + 1;

// A descriptor that is closed once; Sluit reports whether the close itself succeeded.
class TDescriptor {
public:
    explicit TDescriptor(int fd) : fd_(fd) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor() { Sluit(); }

    int Fd() const { return fd_; }
    bool Open() const { return fd_ >= 0; }
    bool Sluit() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

TBestandsfout Fout(TSoort soort) {
    return {soort, 0, 0};
}

std::string Reden(const Teksten& t, const TBestandsfout& fout) {
    switch (fout.Soort) {
    case TSoort::Geen:
        break;
    case TSoort::GeenToestemming:
        return t[TekstFoutGeenToestemming];
    case TSoort::MapBestaatNiet:
        return t[TekstFoutMapBestaatNiet];
    case TSoort::BestaatNiet:
        return t[TekstFoutBestaatNiet];
    case TSoort::SchijfVol:
        return t[TekstFoutSchijfVol];
    case TSoort::SchijfAlleenLezen:
        return t[TekstFoutSchijfAlleenLezen];
    case TSoort::BestandAlleenLezen:
        return t[TekstFoutBestandAlleenLezen];
    case TSoort::IsMap:
        return t[TekstFoutIsMap];
    case TSoort::GeenGewoonBestand:
        return t[TekstFoutGeenGewoonBestand];
    case TSoort::TeGroot:
        return VulIn(t[TekstFoutTeGroot], {std::to_string(fout.Grens / 1024)});
    case TSoort::OngeldigGetal:
        return t[TekstFoutOngeldigGetal];
    case TSoort::Overig:
        return VulIn(t[TekstFoutOverig], {std::to_string(fout.Foutnummer)});
    case TSoort::NaamTeLang:
        return t[TekstFoutNaamTeLang];
    case TSoort::TeVeelKoppelingen:
        return t[TekstFoutTeVeelKoppelingen];
    case TSoort::Schijffout:
        return t[TekstFoutSchijffout];
    case TSoort::BestandTeGrootVoorSysteem:
        return t[TekstFoutTeGrootVoorSysteem];
    case TSoort::TeVeelOpen:
        return t[TekstFoutTeVeelOpen];
    case TSoort::InGebruik:
        return t[TekstFoutInGebruik];
    case TSoort::GeheugenVol:
        return t[TekstFoutGeheugenVol];
    case TSoort::MapAlleenLezen:
        return t[TekstFoutMapAlleenLezen];
    case TSoort::TijdelijkNietToegestaan:
        return t[TekstFoutTijdelijkNietToegestaan];
    }
    return {};
}

// The file a link points to, so that saving replaces that file and keeps the link.
std::string Doel(const std::string& pad) {
    struct stat status {};
    if (::lstat(pad.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return pad;
    }
    std::array<char, PATH_MAX> echt{};
    return ::realpath(pad.c_str(), echt.data()) != nullptr ? std::string(echt.data()) : pad;
}

// Refuses to replace what is not a writable regular file; a missing file is fine.
TBestandsfout ControleerBestaand(const std::string& doel, struct stat& status, bool& bestaat) {
    bestaat = ::stat(doel.c_str(), &status) == 0;
    if (!bestaat) {
        return errno == ENOENT ? TBestandsfout{} : Systeemfout(errno, false);
    }
    if (S_ISDIR(status.st_mode)) {
        return Fout(TSoort::IsMap);
    }
    if (!S_ISREG(status.st_mode)) {
        return Fout(TSoort::GeenGewoonBestand);
    }
    // The owner's write bit counts even for a user whom the system would let write anyway.
    if ((status.st_mode & S_IWUSR) == 0) {
        return Fout(TSoort::BestandAlleenLezen);
    }
    if (::access(doel.c_str(), W_OK) != 0) {
        return errno == EACCES ? Fout(TSoort::BestandAlleenLezen) : Systeemfout(errno, false);
    }
    return {};
}

// The file name, cut where a character begins, short enough to leave room for the addition.
std::string Kern(const std::string& bestandsnaam) {
    constexpr std::size_t ruimte = NAME_MAX - TijdelijkeToevoeging;
    if (bestandsnaam.size() <= ruimte) {
        return bestandsnaam;
    }
    std::size_t eind = ruimte;
    while (eind > 0 && (static_cast<unsigned char>(bestandsnaam[eind]) & 0xC0U) == 0x80U) {
        --eind;
    }
    return bestandsnaam.substr(0, eind);
}

std::string TijdelijkeNaam(const fs::path& doel, unsigned long long getal) {
    std::string hex(HexCijfers, '0');
    for (std::size_t i = 0; i < HexCijfers; ++i) {
        hex[i] = "0123456789abcdef"[(getal >> (4 * i)) & 0xFU];
    }
    return (doel.parent_path() / ("." + Kern(doel.filename().string()) + "." + hex + "~")).string();
}

bool IsTijdelijkeNaamVan(const std::string& naam, const fs::path& doel) {
    const std::string begin = "." + Kern(doel.filename().string()) + ".";
    if (naam.size() != begin.size() + HexCijfers + 1 || naam.compare(0, begin.size(), begin) != 0 ||
        naam.back() != '~') {
        return false;
    }
    const std::string_view hex = std::string_view(naam).substr(begin.size(), HexCijfers);
    return hex.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

unsigned long long Willekeurig(int poging) {
    const auto tik = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    return (tik ^ (static_cast<unsigned long long>(::getpid()) << 20)) +
           static_cast<unsigned long long>(poging) * 0x9E3779B97F4A7C15ULL;
}

bool ZelfdeBestand(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A save holds a lock on its temporary file until the rename, so that a file without a lock was
// left by a save that ended before its time. A file system without locks gives none: such a
// file is then never taken for a leftover.
enum class TSlot { Vast, BijIemandAnders, Onmogelijk };

TSlot Vergrendel(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return TSlot::Vast;
    }
    return errno == EWOULDBLOCK ? TSlot::BijIemandAnders : TSlot::Onmogelijk;
}

// Removes the file at pad when it is a regular file that no running save holds.
void VerwijderAchtergebleven(const fs::path& pad) {
    TDescriptor fd(::open(pad.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat geopend {};
    struct stat nu {};
    if (!fd.Open() || ::fstat(fd.Fd(), &geopend) != 0 || !S_ISREG(geopend.st_mode) ||
        Vergrendel(fd.Fd()) != TSlot::Vast) {
        return;
    }
    if (::lstat(pad.c_str(), &nu) == 0 && ZelfdeBestand(geopend, nu)) {
        ::unlink(pad.c_str());
    }
}

void RuimAchtergeblevenOp(const fs::path& doel) {
    const fs::path map = doel.parent_path().empty() ? fs::path(".") : doel.parent_path();
    std::error_code fout;
    std::vector<fs::path> achtergebleven;
    for (auto item = fs::directory_iterator(map, fout); !fout && item != fs::directory_iterator();
         item.increment(fout)) {
        if (IsTijdelijkeNaamVan(item->path().filename().string(), doel)) {
            achtergebleven.push_back(item->path());
        }
    }
    for (const fs::path& pad : achtergebleven) {
        VerwijderAchtergebleven(pad);
    }
}

// Whether fd, locked, is still the file called naam: a clean-up elsewhere may have taken it
// for a leftover between its creation and the lock.
bool NogVanOns(int fd, const std::string& naam) {
    if (Vergrendel(fd) == TSlot::BijIemandAnders) {
        return false;
    }
    struct stat geopend {};
    struct stat nu {};
    return ::fstat(fd, &geopend) == 0 && ::lstat(naam.c_str(), &nu) == 0 &&
           ZelfdeBestand(geopend, nu);
}

// Creates and locks a file of its own beside doel; never opens one that already exists.
int MaakTijdelijk(const fs::path& doel, std::string& naam) {
    for (int poging = 0; poging < PogingenVoorTijdelijkeNaam; ++poging) {
        naam = TijdelijkeNaam(doel, Willekeurig(poging));
        const int fd =
            ::open(naam.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) {
            return fd;
        }
        if (fd >= 0 && NogVanOns(fd, naam)) {
            return fd;
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    errno = EEXIST;
    return -1;
}

bool SchrijfAlles(int fd, std::string_view inhoud) {
    while (!inhoud.empty()) {
        const ssize_t geschreven = ::write(fd, inhoud.data(), inhoud.size());
        if (geschreven < 0 && errno == EINTR) {
            continue;
        }
        if (geschreven <= 0) {
            if (geschreven == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        inhoud.remove_prefix(static_cast<std::size_t>(geschreven));
    }
    return true;
}

// Gives the new file the owner and mode of the one it replaces; the owner only where allowed.
bool NeemRechtenOver(int fd, const struct stat& oud) {
    [[maybe_unused]] const int eigenaar = ::fchown(fd, oud.st_uid, oud.st_gid);
    return ::fchmod(fd, oud.st_mode & 07777) == 0;
}

// Why no temporary file could be made beside the target: for a file that may itself be
// written, the sentence says that a safe save needs one.
TBestandsfout GeenTijdelijk(int fout, bool bestaand) {
    if (fout != EACCES && fout != EPERM) {
        return Systeemfout(fout, false);
    }
    return Fout(bestaand ? TSoort::TijdelijkNietToegestaan : TSoort::MapAlleenLezen);
}

// The owner's write bit of the folder counts as it does for the file.
TBestandsfout ControleerMap(const fs::path& doel, bool bestaand) {
    const fs::path map = doel.parent_path().empty() ? fs::path(".") : doel.parent_path();
    struct stat status {};
    if (::stat(map.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        (status.st_mode & S_IWUSR) != 0) {
        return {};
    }
    return GeenTijdelijk(EACCES, bestaand);
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void SyncMap(const fs::path& map) {
    TDescriptor fd(::open(map.empty() ? "." : map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Open()) {
        ::fsync(fd.Fd());
    }
}

TBestandsfout SchrijfTijdelijk(const fs::path& doel, const std::string& tijdelijk, int fd,
                               std::string_view inhoud, const struct stat* oud) {
    TDescriptor bestand(fd);
    // A second descriptor keeps the lock past the checked close, until after the rename.
    const TDescriptor slot(::dup(fd));
    const bool gelukt = slot.Open() && (oud == nullptr || NeemRechtenOver(fd, *oud)) &&
                        SchrijfAlles(fd, inhoud) && ::fsync(fd) == 0 && bestand.Sluit() &&
                        ::rename(tijdelijk.c_str(), doel.c_str()) == 0;
    if (!gelukt) {
        const int fout = errno;
        bestand.Sluit();
        ::unlink(tijdelijk.c_str());
        return Systeemfout(fout, false);
    }
    SyncMap(doel.parent_path());
    return {};
}

} // namespace

TBestandsfout Systeemfout(int fout, bool bijLezen) {
    switch (fout) {
    case 0:
        return {};
    case EACCES:
    case EPERM:
        return Fout(TSoort::GeenToestemming);
    case ENOENT:
        return Fout(bijLezen ? TSoort::BestaatNiet : TSoort::MapBestaatNiet);
    case ENOTDIR:
        return Fout(TSoort::MapBestaatNiet);
    case ENOSPC:
    case EDQUOT:
        return Fout(TSoort::SchijfVol);
    case EROFS:
        return Fout(TSoort::SchijfAlleenLezen);
    case EISDIR:
        return Fout(TSoort::IsMap);
    case ENAMETOOLONG:
        return Fout(TSoort::NaamTeLang);
    case ELOOP:
        return Fout(TSoort::TeVeelKoppelingen);
    case EIO:
        return Fout(TSoort::Schijffout);
    case EFBIG:
        return Fout(TSoort::BestandTeGrootVoorSysteem);
    case EMFILE:
    case ENFILE:
        return Fout(TSoort::TeVeelOpen);
    case EBUSY:
    case ETXTBSY:
        return Fout(TSoort::InGebruik);
    case ENOMEM:
        return Fout(TSoort::GeheugenVol);
    default:
        return {TSoort::Overig, fout, 0};
    }
}

TBestandsfout LeesGewoonBestand(const std::string& pad, std::size_t grens, std::string& inhoud) {
    inhoud.clear();
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    TDescriptor fd(::open(pad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.Open()) {
        return Systeemfout(errno, true);
    }
    struct stat status {};
    if (::fstat(fd.Fd(), &status) != 0) {
        return Systeemfout(errno, true);
    }
    if (S_ISDIR(status.st_mode)) {
        return Fout(TSoort::IsMap);
    }
    if (!S_ISREG(status.st_mode)) {
        return Fout(TSoort::GeenGewoonBestand);
    }
    const TBestandsfout teGroot{TSoort::TeGroot, {}, grens};
    if (static_cast<std::size_t>(status.st_size) > grens) {
        return teGroot;
    }
    // The file may grow while it is read; one byte beyond the limit is enough to tell. The
    // buffer starts at the file's size and grows only when the file did.
    std::string gelezen(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t lengte = 0;
    while (true) {
        if (lengte == gelezen.size()) {
            if (gelezen.size() > grens) {
                break;
            }
            gelezen.resize(std::min(2 * gelezen.size(), grens + 1), '\0');
        }
        const ssize_t n = ::read(fd.Fd(), gelezen.data() + lengte, gelezen.size() - lengte);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Systeemfout(errno, true);
        }
        if (n == 0) {
            break;
        }
        lengte += static_cast<std::size_t>(n);
    }
    if (lengte > grens) {
        return teGroot;
    }
    gelezen.resize(lengte);
    inhoud = std::move(gelezen);
    return {};
}

TBestandsfout SchrijfBestandVeilig(const std::string& pad, std::string_view inhoud) {
    const fs::path doel = Doel(pad);
    struct stat oud {};
    bool bestaand = false;
    if (const TBestandsfout fout = ControleerBestaand(doel.string(), oud, bestaand)) {
        return fout;
    }
    if (const TBestandsfout fout = ControleerMap(doel, bestaand)) {
        return fout;
    }
    RuimAchtergeblevenOp(doel);
    std::string tijdelijk;
    const int fd = MaakTijdelijk(doel, tijdelijk);
    if (fd < 0) {
        return GeenTijdelijk(errno, bestaand);
    }
    return SchrijfTijdelijk(doel, tijdelijk, fd, inhoud, bestaand ? &oud : nullptr);
}

std::string AbsoluutPad(const std::string& naam) {
    std::error_code fout;
    const fs::path pad = fs::absolute(fs::path(naam), fout);
    return fout ? naam : pad.string();
}

std::string LeesMelding(const Teksten& teksten, const std::string& naam,
                        const TBestandsfout& fout) {
    return VulIn(teksten[TekstLezenMislukt], {naam, Reden(teksten, fout)});
}

std::string OpslagMelding(const Teksten& teksten, const std::string& naam,
                          const TBestandsfout& fout) {
    return VulIn(teksten[TekstOpslaanMislukt], {naam, Reden(teksten, fout)});
}

} // namespace kx
