#pragma once

#include "NepDialogen.h"
#include "model/ManipuleerConstructie.h"
#include "ui/Constructievenster.h"
#include "ui/Hoofdvenster.h"
#include "ui/Instellingen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QSettings>

#include <algorithm>
#include <optional>

QT_BEGIN_NAMESPACE
// Readable failure messages for Qt strings.
inline void PrintTo(const QString& tekst, std::ostream* uit) {
    *uit << '"' << tekst.toStdString() << '"';
}
QT_END_NAMESPACE

namespace kx::test {

// A left drag on the editor's drawing surface as the mouse makes it: press, move, release.
inline void Sleep(TfrmConstructie& editor, QPoint van, QPoint naar) {
    editor.ImageConstructieMouseMove(van.x(), van.y());
    editor.ImageConstructieMouseDown(Qt::LeftButton, van.x(), van.y());
    editor.ImageConstructieMouseMove(naar.x(), naar.y());
    editor.ImageConstructieMouseUp(Qt::LeftButton, naar.x(), naar.y());
}

inline int AantalKnopen(const TConstructie& c) {
    return static_cast<int>(std::ranges::count_if(c.Knopen, &TConstructieKnoop::Bestaat));
}

inline int AantalStaven(const TConstructie& c) {
    return static_cast<int>(std::ranges::count_if(c.Staven, &TConstructieStaaf::Bestaat));
}

inline QAction* Actie(const QMenu* menu, const QString& tekst) {
    for (QAction* actie : menu->actions()) {
        if (actie->text() == tekst) {
            return actie;
        }
    }
    return nullptr;
}

// A frame of four bars clamped at both feet with one load: S = 3 and five hinge places, so
// C(5, 4) = 5 mechanisms.
inline void VulVijfMechanismen(TManipuleerConstructie& c) {
    c.MaakLeeg();
    const std::array<TPunt, 5> punten{{{2, 6}, {2, 2}, {5, 2}, {8, 2}, {8, 6}}};
    for (std::size_t i = 0; i < punten.size(); ++i) {
        const bool voet = i == 0 || i == 4;
        c.Constructie.Knopen[i] = {.X = punten[i].x,
                                   .Y = punten[i].y,
                                   .Oplegging = voet ? Inklemming : GeenOplegging,
                                   .Bestaat = true};
        if (i < 4) {
            const auto n = static_cast<std::int32_t>(i);
            c.Constructie.Staven[i] = {.Knoop0 = n, .Knoop1 = n + 1, .Bestaat = true};
        }
    }
    c.Constructie.Belastingen[0] = {.Knoop = 2, .Fy = 1, .Bestaat = true};
}

// The main window with scripted dialogs, shown as the program shows it.
class HoofdvensterBasis : public ::testing::Test {
protected:
    void TearDown() override { OpenGebruikersInstellingen()->clear(); }

    TmdiPlastokinetica& Start(bool startscherm = false) {
        SchrijfToonOpstartscherm(startscherm);
        venster.emplace(dialogen);
        venster->show();
        QApplication::processEvents();
        return *venster;
    }

    TfrmConstructie& Editor() { return *venster->Constructievenster(); }

    // Draws a bar from (2, 2) to (7, 2) m; like any press in the editor it marks a change.
    void Bewerk() { Sleep(Editor(), {80, 80}, {280, 80}); }

    NepDialogen dialogen;
    std::optional<TmdiPlastokinetica> venster;
};

} // namespace kx::test
