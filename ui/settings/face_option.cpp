// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/face_option.h"

#include <QAction>
#include <QMenu>

#include "settings/settings_store.h"

namespace {

QAction* addAid(QMenu* menu, const char* name, const QString& caption, bool checked) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

}  // namespace

FaceOption::FaceOption(SettingsStore& store, Apply apply, QObject* parent)
    : QObject(parent), store_(store), apply_(std::move(apply)) {}

void FaceOption::addItems(QMenu* menu) {
    QMenu* faces = menu->addMenu(tr("Card &Faces"));
    faces->setObjectName(QStringLiteral("mnuCardFaces"));
    faces->menuAction()->setObjectName(QStringLiteral("mnuCardFaces"));
    const zanfel::artwork::FaceSet saved = store_.faces();
    fourColour_ = addAid(faces, "mnuFourColour", tr("&Four-Colour Suits"), saved.fourColour);
    largeIndices_ = addAid(faces, "mnuLargeIndices", tr("&Large Indices"), saved.largeIndices);
    for (QAction* aid : {fourColour_, largeIndices_})
        connect(aid, &QAction::triggered, this, &FaceOption::choose);
    apply_(saved);
}

void FaceOption::choose() {
    const zanfel::artwork::FaceSet faces{.fourColour = fourColour_->isChecked(),
                                         .largeIndices = largeIndices_->isChecked()};
    apply_(faces);
    store_.saveFaces(faces);
}
