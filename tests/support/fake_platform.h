// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/platform.h"

#include <QImage>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <optional>
#include <vector>

// Records what behaviour asks of the platform and answers file dialogs from a script; with
// nothing scripted it shows nothing and cancels every dialog. Shared by the tests, the
// benchmarks and the fuzzer.
class FakePlatform : public zephyra::Platform {
public:
    int aboutShown = 0;
    QStringList errors;
    QStringList messages;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QStringList dialogFolders;
    QStringList dialogFilters;
    QStringList dialogExtensions;
    std::vector<QImage> clipboard;
    std::vector<QUrl> openedUrls;
    bool urlsOpen = true; // whether a program takes the addresses handed to the desktop

    void showAbout(const zephyra::Scene&) override;
    void showError(const QString& message) override;
    void showMessage(const QString& message) override;
    std::optional<QString> openFileName(const QString& folder, const QString& filter,
                                        const QString& ext) override;
    std::optional<QString> saveFileName(const QString& folder, const QString& filter,
                                        const QString& ext) override;
    void setClipboardImage(const QImage& image) override;
    bool openUrl(const QUrl& url) override;

private:
    std::optional<QString> answer(std::deque<std::optional<QString>>& answers,
                                  const QString& folder, const QString& filter, const QString& ext);
};
