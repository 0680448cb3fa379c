// Saving and reading under hostile conditions: full and read-only disks, FIFOs, files that are
// not ours, permissions, size limits and failing writes.
#include "../Bestandsgroottegrens.h"
#include "BestandHulp.h"
#include "cli/Rapport.h"
#include "text/Bestandstoegang.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kx::test {
namespace {

using Betrouwbaarheid = Bestanden;

fs::perms Rechten(const fs::path& pad) {
    return fs::status(pad).permissions();
}

// A save goes through a temporary file beside the target: a folder that takes no new file
// refuses even a file that may be written itself, and says so.
TEST_F(Betrouwbaarheid, GeweigerdOpslaanLaatHetOudeBestandEnGeenTijdelijkBestand) {
    SchrijfAlles(map / "alleen-lezen.kx", "oude inhoud");
    fs::permissions(map / "alleen-lezen.kx", fs::perms::owner_read);
    fs::create_directory(map / "vast");
    SchrijfAlles(map / "vast" / "schrijfbaar.kx", "oude inhoud");
    fs::permissions(map / "vast", fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directory(map / "map.kx");
    ASSERT_EQ(mkfifo(Pad("fifo.kx").c_str(), 0600), 0);
    TConstructie ongeldig = voorbeeld;
    ongeldig.Staven[2].Mp = std::numeric_limits<double>::infinity();
    const struct {
        std::string naam;
        const TConstructie& constructie;
        std::string reden;
    } gevallen[] = {
        {"ontbreekt/x.kx", voorbeeld, "de map bestaat niet."},
        {"alleen-lezen.kx", voorbeeld, "het bestand is alleen-lezen."},
        {"map.kx", voorbeeld, "dit is een map, geen bestand."},
        {"fifo.kx", voorbeeld, "dit is geen gewoon bestand."},
        {"ongeldig.kx", ongeldig, "de constructie bevat een ongeldig getal."},
        {"vast/schrijfbaar.kx", voorbeeld,
         "het bestand zelf mag worden overschreven, maar in de map mogen geen bestanden worden "
         "gemaakt, en veilig opslaan zet de nieuwe inhoud eerst in een tijdelijk bestand naast "
         "het oude."},
        {"vast/nieuw.kx", voorbeeld, "in deze map mogen geen bestanden worden gemaakt."},
    };
    for (const auto& geval : gevallen) {
        EXPECT_EQ(Sla(geval.constructie, Pad(geval.naam)), Opslaan(Pad(geval.naam)) + geval.reden);
    }
    EXPECT_EQ(LeesAlles(map / "alleen-lezen.kx"), "oude inhoud");
    EXPECT_EQ(LeesAlles(map / "vast" / "schrijfbaar.kx"), "oude inhoud");
    EXPECT_EQ(Inhoud(map / "vast"), std::vector<std::string>{"schrijfbaar.kx"});
    fs::permissions(map / "vast", fs::perms::owner_all);
    EXPECT_EQ(Inhoud(map),
              (std::vector<std::string>{"alleen-lezen.kx", "fifo.kx", "map.kx", "vast"}));
    EXPECT_TRUE(fs::is_fifo(map / "fifo.kx"));
}

// A save killed while it writes, as the program is killed: the child may write only a little
// and dies of SIGXFSZ past it. Returns whether it died that way.
bool GedodeOpslag(const std::string& pad) {
    const pid_t kind = fork();
    if (kind == 0) {
        const rlimit geenKern{0, 0};
        const rlimit weinig{512, 512};
        setrlimit(RLIMIT_CORE, &geenKern);
        std::signal(SIGXFSZ, SIG_DFL);
        setrlimit(RLIMIT_FSIZE, &weinig);
        SchrijfBestandVeilig(pad, std::string(64 * 1024, 'x'));
        _exit(0);
    }
    int status = 0;
    return kind > 0 && waitpid(kind, &status, 0) == kind && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGXFSZ;
}

// Names up to the longest a folder takes save, also when the temporary name must be shorter
// than ".", the name and its addition; what a killed save leaves is gone after the next save.
TEST_F(Betrouwbaarheid, EenGedodeOpslagWordtBijDeVolgendeOpgeruimd) {
    const std::string ascii = std::string(NAME_MAX - 3, 'a') + ".kx";
    // The temporary name keeps at most 236 bytes of the name; "€" (three bytes) straddles that.
    const std::string utf8 = std::string(235, 'b') + "\xe2\x82\xac" + std::string(14, 'c') + ".kx";
    ASSERT_EQ(utf8.size(), static_cast<std::size_t>(NAME_MAX));
    for (const std::string& naam : {std::string("portaal.kx"), ascii, utf8}) {
        const std::string pad = Pad(naam);
        ASSERT_EQ(Sla(voorbeeld, pad), "") << naam.size();
        ASSERT_TRUE(GedodeOpslag(pad));
        std::vector<std::string> namen = Inhoud(map);
        std::erase(namen, naam);
        ASSERT_EQ(namen.size(), 1U) << naam.size();
        const std::string& rest = namen.front();
        EXPECT_LE(rest.size(), static_cast<std::size_t>(NAME_MAX));
        const std::size_t kern = rest.size() - 19;
        EXPECT_EQ(rest.substr(0, 1 + kern), "." + naam.substr(0, kern));
        EXPECT_NE(static_cast<unsigned char>(naam[kern]) & 0xC0U, 0x80U)
            << "cut inside a character";
        EXPECT_EQ(LeesAlles(pad), AlsTekst(voorbeeld));

        ASSERT_EQ(Sla(gewijzigd, pad), "");
        EXPECT_EQ(Inhoud(map), std::vector<std::string>{naam});
        EXPECT_EQ(LeesAlles(pad), AlsTekst(gewijzigd));
        fs::remove(pad);
    }
}

// The write fails after part of the bytes, as on a disk that fills up: the old file stays.
TEST_F(Betrouwbaarheid, SchrijffoutHalverwegeLaatHetOudeBestandByteVoorByte) {
    const std::string pad = Pad("portaal.kx");
    ASSERT_EQ(Sla(voorbeeld, pad), "");
    const std::string oud = LeesAlles(pad);
    ASSERT_GT(oud.size(), 4096U);
    std::string melding;
    {
        const test::Bestandsgroottegrens grens(4096);
        melding = Sla(gewijzigd, pad);
    }
    EXPECT_EQ(melding, Opslaan(pad) + "het bestand wordt groter dan het systeem toestaat.");
    EXPECT_EQ(LeesAlles(pad), oud);
    EXPECT_EQ(Inhoud(map), std::vector<std::string>{"portaal.kx"});
}

// The clean-up before a save takes only a leftover of its own target: a regular file of the
// exact form that no running save holds locked.
TEST_F(Betrouwbaarheid, OpslaanRaaktGeenBestandVanIemandAnders) {
    SchrijfAlles(map / "portaal.kx.tmp", "van iemand anders");
    fs::create_directory(map / "ander.kx.tmp");
    const std::vector<std::string> vreemd{
        ".derde.kx.3333333333333333~",   ".portaal.kx.0123456789ABCDEF~",
        ".portaal.kx.0123456789abcdeg~", ".portaal.kx.00000000000000000~",
        ".portaal.kx.000000000000000~",  ".portaal.kx.0000000000000000",
        "portaal.kx.0000000000000000~",
    };
    for (const std::string& naam : vreemd) {
        SchrijfAlles(map / naam, "van iemand anders");
    }
    fs::create_directory(map / ".portaal.kx.1111111111111111~");
    SchrijfAlles(map / "doel", "doel van een link");
    fs::create_symlink("doel", map / ".portaal.kx.2222222222222222~");
    const std::string lopend = ".portaal.kx.0123456789abcdef~";
    SchrijfAlles(map / lopend, "een opslag die nog loopt");
    SchrijfAlles(map / ".portaal.kx.fedcba9876543210~", "achtergebleven");
    const int slot = open(Pad(lopend).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(slot, LOCK_EX | LOCK_NB), 0);

    for (const auto* naam : {"portaal.kx", "ander.kx"}) {
        ASSERT_EQ(Sla(voorbeeld, Pad(naam)), "");
        ASSERT_EQ(Sla(gewijzigd, Pad(naam)), "");
        EXPECT_EQ(LeesAlles(map / naam), AlsTekst(gewijzigd));
    }
    close(slot);
    EXPECT_EQ(LeesAlles(map / "portaal.kx.tmp"), "van iemand anders");
    EXPECT_TRUE(fs::is_directory(map / "ander.kx.tmp"));
    for (const std::string& naam : vreemd) {
        EXPECT_EQ(LeesAlles(map / naam), "van iemand anders") << naam;
    }
    EXPECT_EQ(LeesAlles(map / lopend), "een opslag die nog loopt");
    EXPECT_TRUE(fs::is_symlink(map / ".portaal.kx.2222222222222222~"));
    EXPECT_EQ(LeesAlles(map / "doel"), "doel van een link");
    std::vector<std::string> verwacht = vreemd;
    verwacht.insert(verwacht.end(),
                    {".portaal.kx.1111111111111111~", ".portaal.kx.2222222222222222~", lopend,
                     "ander.kx", "ander.kx.tmp", "doel", "portaal.kx", "portaal.kx.tmp"});
    std::sort(verwacht.begin(), verwacht.end());
    EXPECT_EQ(Inhoud(map), verwacht);
}

TEST_F(Betrouwbaarheid, VervangenBestandHoudtZijnRechtenEnEenLinkBlijftEenLink) {
    using fs::perms;
    const perms lezenSchrijven = perms::owner_read | perms::owner_write;
    const struct {
        const char* naam;
        perms rechten;
    } gevallen[] = {
        {"prive.kx", lezenSchrijven},
        {"groep.kx", lezenSchrijven | perms::group_read | perms::group_write},
        {"iedereen.kx", lezenSchrijven | perms::group_read | perms::others_read},
    };
    for (const auto& geval : gevallen) {
        SchrijfAlles(map / geval.naam, "oud");
        fs::permissions(map / geval.naam, geval.rechten);
        ASSERT_EQ(Sla(voorbeeld, Pad(geval.naam)), "");
        EXPECT_EQ(Rechten(map / geval.naam), geval.rechten) << geval.naam;
        EXPECT_EQ(LeesAlles(map / geval.naam), AlsTekst(voorbeeld));
    }

    // A new file gets what the user's umask leaves of read and write for everyone.
    const mode_t vorigeMasker = umask(027);
    const std::string melding = Sla(voorbeeld, Pad("nieuw.kx"));
    umask(vorigeMasker);
    ASSERT_EQ(melding, "");
    EXPECT_EQ(Rechten(map / "nieuw.kx"), lezenSchrijven | perms::group_read);

    fs::create_symlink("prive.kx", map / "link.kx");
    ASSERT_EQ(Sla(gewijzigd, Pad("link.kx")), "");
    EXPECT_TRUE(fs::is_symlink(map / "link.kx"));
    EXPECT_EQ(LeesAlles(map / "prive.kx"), AlsTekst(gewijzigd));
    EXPECT_EQ(Rechten(map / "prive.kx"), lezenSchrijven);
}

TEST_F(Betrouwbaarheid, AlleenGewoneBestandenBinnenDeGrensWordenGelezen) {
    ASSERT_EQ(mkfifo(Pad("fifo.kx").c_str(), 0600), 0);
    fs::create_directory(map / "map.kx");
    SchrijfAlles(map / "groot.kx", "");
    fs::resize_file(map / "groot.kx", GrootsteConstructiebestand + 1);
    const std::string te = "het bestand is groter dan 16384 kB.";
    const std::pair<std::string, std::string> gevallen[] = {
        {"fifo.kx", "dit is geen gewoon bestand."},
        {"map.kx", "dit is een map, geen bestand."},
        {"groot.kx", te},
    };
    for (const auto& [naam, reden] : gevallen) {
        TConstructie c = voorbeeld;
        EXPECT_EQ(LaadConstructie(c, Pad(naam), teksten), Lezen(Pad(naam)) + reden);
        EXPECT_EQ(c, voorbeeld);
    }

    // kx-analyse neither waits on a FIFO nor writes through one.
    std::ostringstream uit;
    std::ostringstream fout;
    EXPECT_EQ(VoerAnalyseUit({Pad("fifo.kx")}, uit, fout), 2);
    EXPECT_EQ(fout.str(), Lezen(Pad("fifo.kx")) + "dit is geen gewoon bestand.\n");
    fout.str("");
    EXPECT_EQ(VoerAnalyseUit({"--voorbeeld", "--opslaan", Pad("fifo.kx")}, uit, fout), 2);
    EXPECT_EQ(fout.str(), Opslaan(Pad("fifo.kx")) + "dit is geen gewoon bestand.\n");

    // The translation file likewise, within its own limit; the built-in texts stay.
    fs::rename(map / "fifo.kx", map / "KXTranslation.kxt");
    fs::rename(map / "groot.kx", map / "groot.kxt");
    fs::resize_file(map / "groot.kxt", Teksten::GrootsteVertaling + 1);
    const std::string blijven = " De ingebouwde teksten blijven in gebruik.";
    for (const auto& [naam, reden] :
         {std::pair{"KXTranslation.kxt", "dit is geen gewoon bestand."},
          std::pair{"groot.kxt", "het bestand is groter dan 1024 kB."}}) {
        Teksten vertaald;
        const TVertalingGelezen gelezen = vertaald.LeesVertalingsbestand(Pad(naam));
        EXPECT_EQ(gelezen.Aantal, 0);
        EXPECT_EQ(gelezen.Melding, Lezen(Pad(naam)) + reden + blijven);
        EXPECT_EQ(vertaald[0], "Plastokinetica");
    }
}

// Every system error reads in the program's language: a sentence of its own, or the error's
// number, never the system's English.
TEST(Bestandsfout, SysteemfoutenInDeTaalVanHetProgramma) {
    Teksten engels;
    ASSERT_GT(engels.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal, 0);
    const std::string naam = "/map/50%2.kx";
    const struct {
        int fout;
        bool bijLezen;
        std::string reden;
        std::string english;
    } gevallen[] = {
        {EACCES, false, "u hebt daarvoor geen toestemming", "you do not have permission for this"},
        {EPERM, true, "u hebt daarvoor geen toestemming", "you do not have permission for this"},
        {ENOENT, false, "de map bestaat niet", "the folder does not exist"},
        {ENOENT, true, "het bestand bestaat niet", "the file does not exist"},
        {ENOTDIR, true, "de map bestaat niet", "the folder does not exist"},
        {ENOSPC, false, "de schijf is vol", "the disk is full"},
        {EDQUOT, false, "de schijf is vol", "the disk is full"},
        {EROFS, false, "de schijf is alleen-lezen", "the disk is read-only"},
        {EISDIR, true, "dit is een map, geen bestand", "this is a folder, not a file"},
        {ENAMETOOLONG, false, "de naam is te lang", "the name is too long"},
        {ELOOP, true, "de naam loopt via te veel koppelingen",
         "the name goes through too many links"},
        {EIO, false, "de schijf meldt een lees- of schrijffout",
         "the disk reports a read or write error"},
        {EFBIG, false, "het bestand wordt groter dan het systeem toestaat",
         "the file would grow beyond what the system allows"},
        {EMFILE, true, "er zijn te veel bestanden tegelijk open",
         "too many files are open at once"},
        {ENFILE, true, "er zijn te veel bestanden tegelijk open",
         "too many files are open at once"},
        {ETXTBSY, false, "het bestand is in gebruik", "the file is in use"},
        {EBUSY, false, "het bestand is in gebruik", "the file is in use"},
        {ENOMEM, true, "er is niet genoeg geheugen", "there is not enough memory"},
        {EXDEV, false, "het besturingssysteem meldt foutnummer " + std::to_string(EXDEV),
         "the operating system reports error number " + std::to_string(EXDEV)},
    };
    for (const auto& geval : gevallen) {
        const TBestandsfout fout = Systeemfout(geval.fout, geval.bijLezen);
        const auto melding = geval.bijLezen ? LeesMelding : OpslagMelding;
        const std::string verwacht = geval.bijLezen ? Lezen(naam) : Opslaan(naam);
        const std::string expected = std::string("The file \"") + naam + "\" cannot be " +
                                     (geval.bijLezen ? "read: " : "saved: ") + geval.english + ".";
        EXPECT_EQ(melding(Teksten(), naam, fout), verwacht + geval.reden + ".") << geval.fout;
        EXPECT_EQ(melding(engels, naam, fout), expected) << geval.fout;
    }
    EXPECT_FALSE(Systeemfout(0, false));
}

// Runs in a child of its own, with a mount namespace of its own, so that the small disk
// disappears with it. Exit status 0 passed, 77 no disk could be mounted, else failed; what
// went wrong is written to verslag.
int VolleSchijfInEigenNaamruimte(const fs::path& map, int verslag, const TConstructie& oud,
                                 const TConstructie& nieuw) {
    const auto meld = [verslag](const std::string& tekst, int status) {
        [[maybe_unused]] const auto n = write(verslag, tekst.data(), tekst.size());
        return status;
    };
    const uid_t gebruiker = getuid();
    const gid_t groep = getgid();
    if (unshare(gebruiker == 0 ? CLONE_NEWNS : CLONE_NEWNS | CLONE_NEWUSER) != 0) {
        return meld(std::string("unshare: ") + std::strerror(errno), 77);
    }
    if (gebruiker != 0) {
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << gebruiker << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << groep << " 1";
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", map.c_str(), "tmpfs", 0, "size=64k") != 0) {
        return meld(std::string("mount -t tmpfs: ") + std::strerror(errno), 77);
    }

    const std::string pad = (map / "portaal.kx").string();
    if (!Sla(oud, pad).empty()) {
        return meld("the first save failed", 1);
    }
    const std::string ervoor = LeesAlles(pad);

    // Fill the disk, then free one page: less than the file needs.
    const fs::path vulling = map / "vulling";
    {
        std::ofstream uit(vulling, std::ios::binary);
        const std::string blok(4096, 'x');
        while (uit.write(blok.data(), static_cast<std::streamsize>(blok.size()))) {
        }
    }
    fs::resize_file(vulling, fs::file_size(vulling) > 4096 ? fs::file_size(vulling) - 4096 : 0);

    std::string fouten;
    const auto verwacht = [&](bool goed, const std::string& wat) {
        fouten += goed ? "" : wat + "\n";
    };
    const std::string vol = Opslaan(pad) + "de schijf is vol.";
    verwacht(Sla(nieuw, pad) == vol, "the program's save did not report the full disk");
    std::ostringstream uit;
    std::ostringstream fout;
    verwacht(VoerAnalyseUit({"--voorbeeld", "--opslaan", pad}, uit, fout) == 2 &&
                 fout.str() == vol + "\n",
             "kx-analyse did not report the full disk: " + fout.str());
    verwacht(LeesAlles(pad) == ervoor, "the old file changed");
    verwacht(Inhoud(map) == std::vector<std::string>{"portaal.kx", "vulling"},
             "a temporary file was left behind");

    if (mount(nullptr, map.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0) {
        verwacht(Sla(nieuw, pad) == Opslaan(pad) + "de schijf is alleen-lezen.",
                 "the read-only disk was not reported");
        mount(nullptr, map.c_str(), nullptr, MS_REMOUNT, nullptr);
    }
    fs::remove(vulling);
    verwacht(Sla(nieuw, pad).empty(), "saving failed after space was freed");
    verwacht(LeesAlles(pad) == AlsTekst(nieuw), "the new file is not complete");
    return meld(fouten, fouten.empty() ? 0 : 1);
}

TEST_F(Betrouwbaarheid, OpslaanOpEenVolleSchijfLaatHetOudeBestandStaan) {
    int pijp[2];
    ASSERT_EQ(pipe(pijp), 0);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        close(pijp[0]);
        _exit(VolleSchijfInEigenNaamruimte(map, pijp[1], voorbeeld, gewijzigd));
    }
    close(pijp[1]);
    std::string verslag;
    std::array<char, 512> buffer{};
    for (ssize_t n; (n = read(pijp[0], buffer.data(), buffer.size())) > 0;) {
        verslag.append(buffer.data(), static_cast<std::size_t>(n));
    }
    close(pijp[0]);
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended abnormally";
    if (WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "No small tmpfs can be mounted here (" << verslag
                     << "); the full-disk save is not tested.";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << verslag;
}

} // namespace
} // namespace kx::test
