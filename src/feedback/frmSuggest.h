#pragma once

#include <QNetworkAccessManager>

#include "FeedbackRequest.h"
#include "SkinnedDialog.h"

class QLabel;
class QLineEdit;

namespace tavoclip {

class HotSpot;

// The feedback form: the user's name, e-mail address and a one-line comment,
// sent once per showing to the feedback address. lblSending reports the
// missing field or the request's progress and outcome ("Finished." or "Not
// sent."); the server's answer is never shown. Closing the form at any time abandons a request still under way.
class frmSuggest : public SkinnedDialog {
    Q_OBJECT

public:
    static constexpr int kNameLength = 50;
    static constexpr int kEMailLength = 100;
    static constexpr int kCommentLength = 256;

    explicit frmSuggest(FeedbackEndpoint endpoint = {}, QWidget* parent = nullptr);

    // The send procedure, also reached by clicking imgSend: prompts for the
    // first empty field (name, then e-mail, then comment) or sends.
    void Command1_Click();
    void imgSend_Click() { Command1_Click(); }
    void imgBack_Click() { close(); }
    void imgExit_Click() { close(); }

    QLineEdit& txtName() const { return *txtName_; }
    QLineEdit& txtEMail() const { return *txtEMail_; }
    QLineEdit& txtComment() const { return *txtComment_; }
    QLabel& lblSending() const { return *lblSending_; }
    HotSpot& imgSend() const { return *imgSend_; }
    HotSpot& imgBack() const { return *imgBack_; }
    HotSpot& imgExit() const { return *imgExit_; }
    bool sendEnabled() const { return sendEnabled_; }

protected:
    void ResetHoverPictures() override;

private:
    void BuildSkin();
    void BuildFields();
    void BuildButtons();
    void Prompt(const QString& text, QLineEdit& field);
    void ShowStatus(const QString& text);
    void wb_DocumentComplete(bool sent);

    QNetworkAccessManager network_;
    FeedbackRequest request_;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEMail_ = nullptr;
    QLineEdit* txtComment_ = nullptr;
    QLabel* lblSending_ = nullptr;
    HotSpot* imgSend_ = nullptr;
    HotSpot* imgBack_ = nullptr;
    HotSpot* imgExit_ = nullptr;
    bool sendEnabled_ = true;
};

}  // namespace tavoclip
