// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/narrator.h"

#include "app/shown.h"
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
        say_(scene.running ? QStringLiteral("Flying")
                           : QStringLiteral("Stopped. %1. Displacement from Start: %2, %3")
                                 .arg(spoken(scene.timelb.caption), spoken(scene.ewlb.caption),
                                      spoken(scene.nslb.caption)));
    if (scene.notebookPage != page_)
        say_(scene.notebookPage == 0 ? QStringLiteral("Controls page")
                                     : QStringLiteral("Velocities page"));
    if (scene.vectorsJoined && !joined_)
        say_(QStringLiteral("joined"));
    question_ = scene.qbVisible;
    preview_ = scene.yngbVisible;
    running_ = scene.running;
    page_ = scene.notebookPage;
    joined_ = scene.vectorsJoined;
}

} // namespace zephyra
