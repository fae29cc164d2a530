#pragma once
// The tri-state check tree behind both trees of the program (the selection on the backup tab and the
// contents of a backup on the restore tab). Plain data without widgets: a view shows it, the walks of
// the set files and the workers read it (the workers through an immutable snapshot).

#include <QString>
#include <memory>
#include <vector>

namespace Orvo {

// Check states as the program stores and compares them; anything but Uit counts as selected.
enum CheckStaat : int { Uit = 1, Aan = 2, Deels = 3 };

enum class KnoopSoort { Wortel, Station, Map, Bestand, Plaatshouder };

struct CheckKnoop {
    QString Caption;
    int Staat = Uit;
    KnoopSoort Soort = KnoopSoort::Bestand;
    bool Open = false; // shown expanded (the open variant of its icon)
    CheckKnoop* Ouder = nullptr;
    int Rij = 0; // index among the parent's children
    std::vector<std::unique_ptr<CheckKnoop>> Kinderen;

    int Aantal() const { return int(Kinderen.size()); }
    CheckKnoop* Kind(int i) const { return Kinderen[size_t(i)].get(); }
    // Not yet listed: exactly one child, and that one has an empty caption.
    bool HeeftAlleenPlaatshouder() const {
        return Kinderen.size() == 1 && Kinderen.front()->Caption.isEmpty();
    }
};

// A finished node with the given caption and kind, unchecked; optionally with a placeholder child.
std::unique_ptr<CheckKnoop> NieuweKnoop(const QString& caption, KnoopSoort soort,
                                        bool metPlaatshouder = false);

// An immutable deep copy for a worker thread; the live tree may change while it is being read.
using Momentopname = std::shared_ptr<const CheckKnoop>;

// A view keeps itself in step with the tree through these calls. `ouder` nullptr is the top level,
// where the root is row 0.
class CheckBoomWaarnemer {
public:
    virtual ~CheckBoomWaarnemer() = default;
    virtual void VoorInvoegen(CheckKnoop* ouder, int eerste, int laatste) = 0;
    virtual void NaInvoegen() = 0;
    virtual void VoorVerwijderen(CheckKnoop* ouder, int eerste, int laatste) = 0;
    virtual void NaVerwijderen() = 0;
    virtual void Gewijzigd(CheckKnoop* ouder, int eerste, int laatste) = 0; // state, caption or icon
};

class CheckBoom {
public:
    CheckBoom() = default;
    CheckBoom(const CheckBoom&) = delete;
    CheckBoom& operator=(const CheckBoom&) = delete;

    void ZetWaarnemer(CheckBoomWaarnemer* waarnemer) { m_waarnemer = waarnemer; }

    CheckKnoop* Wortel() const { return m_wortel.get(); }
    void Wis();                                     // removes every node
    CheckKnoop* MaakWortel(const QString& caption); // replaces the whole tree by one root

    CheckKnoop* VoegToe(CheckKnoop* ouder, std::unique_ptr<CheckKnoop> kind);
    // Appends finished nodes in one step (thousands of entries of a folder at once).
    void VoegToe(CheckKnoop* ouder, std::vector<std::unique_ptr<CheckKnoop>> kinderen);
    void VerwijderKinderen(CheckKnoop* ouder);

    // Checked or unchecked: the node and all its loaded descendants take the state and every ancestor
    // is recomputed. Partly checked comes only from that computation; other values are ignored.
    void ZetStaat(CheckKnoop* knoop, int staat);
    // What a click on the box does: checked becomes unchecked, anything else checked.
    void Wissel(CheckKnoop* knoop);
    void ZetOpen(CheckKnoop* knoop, bool open);

    // The node whose caption path ("Deze computer\Bestandssysteem (C:)\Map\") equals `pad`, compared
    // component by component without regard to case; an exact match of case wins over the first match.
    // nullptr when there is none.
    CheckKnoop* KnoopVanPad(const QString& pad) const;

    Momentopname MaakMomentopname() const;

private:
    void MeldGewijzigd(CheckKnoop* knoop);

    std::unique_ptr<CheckKnoop> m_wortel;
    CheckBoomWaarnemer* m_waarnemer = nullptr;
};

// The caption path of a node: each caption from the root down followed by a backslash.
QString CaptionPad(const CheckKnoop* knoop);
// The file-system path of a node in program notation: "C:\Map\Sub\" (a drive gives "C:\").
// Empty for the root and for a drive caption that does not end in "X:)".
QString PadVan(const CheckKnoop* knoop);
// "C:" from a drive caption such as "Bestandssysteem (C:)": the last three characters without the
// closing bracket. Empty when the caption is too short.
QString StationVanCaption(const QString& caption);
// The state rule both trees share: a lone root (no parent, no children) refuses every change.
bool BackUpBoomStateChanging(const CheckKnoop* knoop);

} // namespace Orvo
