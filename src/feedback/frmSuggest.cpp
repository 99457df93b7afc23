#include "frmSuggest.h"

#include <QLabel>
#include <QLineEdit>

#include "DialogSkin.h"
#include "HotSpot.h"
#include "ScaleFormLayout.h"

namespace tavoclip {

namespace {

QLineEdit* NewField(QWidget* parent, const QString& name, const QRect& twips, int maxLength, const QString& toolTip,
                    const QString& accessibleName)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(twips);
    field->setMaxLength(maxLength);
    field->setToolTip(toolTip);
    field->setAccessibleName(accessibleName);
    return field;
}

}  // namespace

frmSuggest::frmSuggest(FeedbackEndpoint endpoint, QWidget* parent)
    : SkinnedDialog(tr("FeedBack"), 4920, 2670, parent), request_(network_, std::move(endpoint))
{
    setObjectName(QStringLiteral("frmSuggest"));
    BuildSkin();
    BuildFields();
    BuildButtons();
    ScaleWindowToScreen(*this);
    connect(&request_, &FeedbackRequest::finished, this, &frmSuggest::wb_DocumentComplete);
}

void frmSuggest::BuildSkin()
{
    const qreal ratio = devicePixelRatioF();
    DialogSkinLayout layout;
    layout.panel = size();
    layout.title = windowTitle();
    layout.exitButton = FromTwips(4495, 165, 225, 225);
    layout.buttons = {{FromTwips(2490, 2040, 870, 270), tr("Send")}, {FromTwips(3690, 2040, 870, 270), tr("Back")}};
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    layout.texts = {{QRect(16, 50, 88, 21), tr("Your Name:"), right},
                    {QRect(16, 76, 88, 21), tr("E-mail:"), right},
                    {QRect(16, 102, 88, 21), tr("Comment:"), right}};
    SetSkin(DialogSkin::Background(layout, ratio));
    pictures().Add(QStringLiteral("imgSendLight"), DialogSkin::ButtonLight(tr("Send"), ratio));
    pictures().Add(QStringLiteral("imgBackLight"), DialogSkin::ButtonLight(tr("Back"), ratio));
    pictures().Add(QStringLiteral("imgExitLight"), DialogSkin::ExitLight(ratio));
}

void frmSuggest::BuildFields()
{
    // Created in tab order: name, e-mail, comment.
    txtName_ = NewField(this, QStringLiteral("txtName"), FromTwips(1650, 750, 2115, 315), kNameLength,
                        tr("Your Name"), tr("Your Name"));
    txtEMail_ = NewField(this, QStringLiteral("txtEMail"), FromTwips(1650, 1140, 2115, 315), kEMailLength,
                         tr("Email"), tr("E-mail"));
    txtComment_ = NewField(this, QStringLiteral("txtComment"), FromTwips(1650, 1530, 2835, 315), kCommentLength,
                           QString(), tr("Comment"));
    setTabOrder(txtName_, txtEMail_);
    setTabOrder(txtEMail_, txtComment_);

    lblSending_ = new QLabel(this);
    lblSending_->setObjectName(QStringLiteral("lblSending"));
    // Wider than its 1050-twip design so that "Your Email?" is not clipped
    // where Tahoma is replaced by a wider font; it still ends before Send.
    lblSending_->setGeometry(FromTwips(720, 2070, 1710, 225));
    QFont font(QStringLiteral("Tahoma"), 9);
    font.setBold(true);
    lblSending_->setFont(font);
    lblSending_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lblSending_->hide();
}

void frmSuggest::BuildButtons()
{
    imgSend_ = AddHotSpot(QStringLiteral("imgSend"), FromTwips(2490, 2040, 870, 270),
                          tr("Send your feedback now"), QStringLiteral("imgSendLight"), tr("Send"));
    imgBack_ = AddHotSpot(QStringLiteral("imgBack"), FromTwips(3690, 2040, 870, 270), tr("back to main"),
                          QStringLiteral("imgBackLight"), tr("Back"));
    imgExit_ = AddHotSpot(QStringLiteral("imgExit"), FromTwips(4495, 165, 225, 225), tr("Exit"),
                          QStringLiteral("imgExitLight"), tr("Exit"));
    connect(imgSend_, &HotSpot::clicked, this, &frmSuggest::imgSend_Click);
    connect(imgBack_, &HotSpot::clicked, this, &frmSuggest::imgBack_Click);
    connect(imgExit_, &HotSpot::clicked, this, &frmSuggest::imgExit_Click);
    SetKeyButtons(imgSend_, imgBack_);
}

void frmSuggest::Command1_Click()
{
    if (!sendEnabled_)
        return;
    // Only a field with no characters at all is empty; one space is an answer.
    if (txtName_->text().isEmpty())
        return Prompt(tr("Your Name?"), *txtName_);
    if (txtEMail_->text().isEmpty())
        return Prompt(tr("Your Email?"), *txtEMail_);
    if (txtComment_->text().isEmpty())
        return Prompt(tr("Comment?"), *txtComment_);
    ShowStatus(tr("Sending..."));
    // One message per showing: a new one needs the form opened again.
    sendEnabled_ = false;
    imgSend_->setEnabled(false);
    request_.Send(txtName_->text(), txtEMail_->text(), txtComment_->text());
}

void frmSuggest::Prompt(const QString& text, QLineEdit& field)
{
    ShowStatus(text);
    field.setFocus();
}

void frmSuggest::ShowStatus(const QString& text)
{
    lblSending_->setText(text);
    lblSending_->show();
}

void frmSuggest::wb_DocumentComplete(bool sent)
{
    // The request is over either way and Send stays disabled; a message the
    // server did not take is not reported as finished.
    ShowStatus(sent ? tr("Finished.") : tr("Not sent."));
}

void frmSuggest::ResetHoverPictures()
{
    imgExit_->ClearPicture();
    imgBack_->ClearPicture();
    imgSend_->ClearPicture();
}

}  // namespace tavoclip
