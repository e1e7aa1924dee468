// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <utility>
#include <vector>

#include "card.h"
#include "controls.h"
#include "face_set.h"
#include "table.h"

class CardImage;
class FoundationFrame;
class QLabel;

// The card table under the menu bar: every card place, the frame round the foundations, the
// hint and the card counts, each where it was drawn, in the table colour. It shows what it is
// told and reports the player's clicks, double-clicks and drops; what they mean is the game's.
// It can be shown larger: at a zoom every place and label keeps its proportions.
class CardTable : public QWidget {
    Q_OBJECT
public:
    using HumanPiles = std::array<CardImage*, zanfel::kSlotsPerPlayer>;
    // The table as it was drawn, in twips: 754 x 452 pixels at 100 %.
    static constexpr QSize kTwipsSize{11310, 6780};

    explicit CardTable(QWidget* parent = nullptr);

    // Lays the table out at `percent` of its drawn size, fonts included.
    void setZoom(int percent);
    int zoom() const { return zoom_; }

    // Every face on the table in the player's face set, drawn anew at once.
    void setFaces(zanfel::artwork::FaceSet faces);
    zanfel::artwork::FaceSet faces() const { return faces_; }

    CardImage* image(zanfel::PileImage image) const;
    const HumanPiles& humanPiles() const { return stack_; }

    // Shows `card` (0: the empty place) at `image`, and says so to screen readers and tooltips.
    void showCard(zanfel::PileImage image, zanfel::CardNumber card);
    // The hint under the deck; a guest of a network game neither deals nor owns the red deck.
    void showHint(zanfel::Hint hint, bool guest = false);
    // Seen from the seat `viewer` as the host of a network game numbers them: each deck, and each
    // card this screen may not know, shows the back of its owner's deck. 0 is the host's and a
    // game alone's view.
    void setViewer(int viewer);
    // Who plays each seat's places, by player index, as screen readers and tooltips name them
    // ("Ann"); an empty one names the seat's usual player ("Left Guy"). The screen's own are "Your".
    void setOwners(const std::array<QString, zanfel::kPlayers>& owners);
    // The quiet line that tells the player none of their cards can move, however they turn the
    // stock. It lies in the free corner left of the human's piles and never covers the hint.
    void showStuckCue(bool shown);
    // A label of the table's own, at `twips`, laid out with the places at every zoom.
    QLabel* addLabel(const QString& name, const QRect& twips, Qt::Alignment alignment);
    // The numbers under the human's piles, by slot, shown or not.
    void setCounts(const std::array<int, zanfel::kSlotsPerPlayer>& counts);
    void setCountsVisible(bool visible);
    // Whether the human's cards can be lifted: not while play is paused.
    void setDragsEnabled(bool enabled);

    QColor colour() const;
    void setColour(const QColor& colour);

signals:
    void deckClicked();
    void stackDoubleClicked(int slot);
    // A card of the human's pile `slot` lifted, held at `hotSpot` on it; then carried and let
    // go with the pointer at a point of the table.
    void cardLifted(int slot, QPoint hotSpot);
    void cardCarried(int slot, QPoint pointer);
    void cardLetGo(int slot, QPoint pointer);

private:
    void createFoundationFrame();
    void createHumanPiles();
    void createComputerPiles();
    void createFoundations();
    void createDecks();
    void showBacks();
    void createLabels();
    void describe(zanfel::PileImage image);
    CardImage* placeCard(int left, int top, const QString& name);
    QLabel* placeLabel(const QString& name, const QRect& twips, Qt::Alignment alignment);
    void fitDownwards(QLabel* label, const QRect& box, int needed) const;
    int fitCounts();
    void fitHint();

    HumanPiles stack_{};
    std::array<CardImage*, zanfel::kComputerLists> player_{};
    std::array<CardImage*, zanfel::kFoundations> pile_{};
    std::array<CardImage*, zanfel::kPlayers> deck_{};  // by player index: Deck, then PlayerDeck0..2's players
    int viewer_ = zanfel::kHuman;
    std::array<QString, zanfel::kPlayers> owners_;
    FoundationFrame* frame_ = nullptr;
    QLabel* lblTips_ = nullptr;
    QLabel* lblStuck_ = nullptr;
    std::array<QLabel*, zanfel::kSlotsPerPlayer + 1> lblStack_{};  // the counts, then their caption
    std::array<int, zanfel::kSlotsPerPlayer> counts_{};
    bool countsVisible_ = false;
    // Everything on the table with its place in twips, laid out again at every zoom.
    std::vector<std::pair<QWidget*, QRect>> places_;
    int zoom_ = 100;
    zanfel::artwork::FaceSet faces_;
};
