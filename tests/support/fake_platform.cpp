// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_platform.h"

void FakePlatform::showAbout(const zephyra::Scene&) {
    ++aboutShown;
}

void FakePlatform::showError(const QString& message) {
    errors << message;
}

void FakePlatform::showMessage(const QString& message) {
    messages << message;
}

std::optional<QString> FakePlatform::openFileName(const QString& folder, const QString& filter,
                                                  const QString& ext) {
    return answer(openAnswers, folder, filter, ext);
}

std::optional<QString> FakePlatform::saveFileName(const QString& folder, const QString& filter,
                                                  const QString& ext) {
    return answer(saveAnswers, folder, filter, ext);
}

void FakePlatform::setClipboardImage(const QImage& image) {
    clipboard.push_back(image);
}

bool FakePlatform::openUrl(const QUrl& url) {
    openedUrls.push_back(url);
    return urlsOpen;
}

std::optional<QString> FakePlatform::answer(std::deque<std::optional<QString>>& answers,
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
