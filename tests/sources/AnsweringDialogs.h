#pragma once

#include <deque>
#include <vector>

#include "FileDialogs.h"

namespace tavoclip::testing {

// Answers the file dialogs as the test says beforehand (an empty answer is a
// cancel) and records what each dialog was asked to show.
class AnsweringDialogs final : public FileDialogs {
public:
    std::deque<QString> fileAnswers;
    std::deque<QString> folderAnswers;
    std::vector<OpenFileRequest> fileRequests;
    std::vector<QString> folderTitles;
    std::vector<QString> folderStarts;

    QString OpenFile(QWidget*, const OpenFileRequest& request) override
    {
        fileRequests.push_back(request);
        return Next(fileAnswers);
    }
    QString ExistingFolder(QWidget*, const QString& title, const QString& startFolder) override
    {
        folderTitles.push_back(title);
        folderStarts.push_back(startFolder);
        return Next(folderAnswers);
    }

private:
    static QString Next(std::deque<QString>& answers)
    {
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace tavoclip::testing
