// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/platform.h"

#include <QStringList>

#include <deque>

// Records what behaviour asks of the platform and answers file dialogs from a script.
class FakePlatform : public zephyra::Platform {
public:
    int aboutShown = 0;
    QStringList errors;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QStringList dialogFolders;
    QStringList dialogFilters;
    QStringList dialogExtensions;
    std::vector<QImage> clipboard;
    std::vector<QUrl> openedUrls;

    void showAbout(const zephyra::Scene&) override { ++aboutShown; }
    void showError(const QString& message) override { errors << message; }
    std::optional<QString> openFileName(const QString& folder, const QString& filter,
                                        const QString& ext) override {
        return answer(openAnswers, folder, filter, ext);
    }
    std::optional<QString> saveFileName(const QString& folder, const QString& filter,
                                        const QString& ext) override {
        return answer(saveAnswers, folder, filter, ext);
    }
    void setClipboardImage(const QImage& image) override { clipboard.push_back(image); }
    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }

private:
    std::optional<QString> answer(std::deque<std::optional<QString>>& answers,
                                  const QString& folder, const QString& filter,
                                  const QString& ext) {
        dialogFolders << folder;
        dialogFilters << filter;
        dialogExtensions << ext;
        if (answers.empty())
            return std::nullopt;
        std::optional<QString> a;
        a.swap(answers.front());
        answers.pop_front();
        return a;
    }
};
