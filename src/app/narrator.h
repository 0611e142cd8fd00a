// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace zephyra {

struct Scene;

// What a student who cannot see the window hears when the scene changes of itself or by a key
// whose result shows elsewhere: a question or a preview opening, a flight starting and its
// result when it stops, a page switched, two arrows joined.
class Narrator {
public:
    using Say = std::function<void(const QString&)>;
    Narrator(const Scene& scene, Say say);

    // Says what changed since the last call.
    void project(const Scene& scene);

private:
    Say say_;
    bool question_;
    bool preview_;
    bool running_;
    int page_;
    bool joined_;
};

} // namespace zephyra
