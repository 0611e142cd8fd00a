// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/narrator.h"

#include "app/shown.h"
#include "app/translated.h"
#include "scene/language.h"
#include "scene/scene.h"

namespace zephyra {

Narrator::Narrator(const Scene& scene, Say say)
    : say_(std::move(say)), question_(scene.qbVisible), preview_(scene.yngbVisible),
      running_(scene.running), page_(scene.notebookPage), joined_(scene.vectorsJoined) {}

void Narrator::project(const Scene& scene) {
    if (scene.qbVisible && !question_)
        say_(spoken(scene.expmemText));
    if (scene.yngbVisible && !preview_)
        say_(spoken(scene.expmemText));
    if (scene.running != running_)
        say_(scene.running
                 ? windowText(QT_TRANSLATE_NOOP("Trelativefrm", "Flying"))
                 : windowText(QT_TRANSLATE_NOOP("Trelativefrm",
                                                "Stopped. %1. Displacement from Start: %2, %3"))
                       .arg(spoken(localised(scene.timelb.caption)),
                            spoken(localised(scene.ewlb.caption)),
                            spoken(localised(scene.nslb.caption))));
    if (scene.notebookPage != page_)
        say_(scene.notebookPage == 0
                 ? windowText(QT_TRANSLATE_NOOP("Trelativefrm", "Controls page"))
                 : windowText(QT_TRANSLATE_NOOP("Trelativefrm", "Velocities page")));
    if (scene.vectorsJoined && !joined_)
        say_(windowText(QT_TRANSLATE_NOOP("Trelativefrm", "joined")));
    question_ = scene.qbVisible;
    preview_ = scene.yngbVisible;
    running_ = scene.running;
    page_ = scene.notebookPage;
    joined_ = scene.vectorsJoined;
}

} // namespace zephyra
