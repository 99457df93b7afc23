#include "SkinnedDialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "ApplyColorKey.h"
#include "FocusMark.h"
#include "HotSpot.h"
#include "KeepOnScreen.h"
#include "SkinCanvas.h"

namespace tavoclip {

QRect SkinnedDialog::FromTwips(int left, int top, int width, int height)
{
    return {SkinCanvas::TwipsToPixels(left), SkinCanvas::TwipsToPixels(top), SkinCanvas::TwipsToPixels(width),
            SkinCanvas::TwipsToPixels(height)};
}

SkinnedDialog::SkinnedDialog(const QString& caption, int clientWidthTwips, int clientHeightTwips, QWidget* parent)
    : QDialog(parent), drag_(*this)
{
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(SkinCanvas::TwipsToPixels(clientWidthTwips, clientHeightTwips));
    // Pointer moves without a button must reach the background too: they are
    // what clears the hover pictures.
    setMouseTracking(true);
}

void SkinnedDialog::SetSkin(const QImage& skin)
{
    skin_ = skin;
    ApplyColorKey(*this, skin_);
    update();
}

HotSpot* SkinnedDialog::AddHotSpot(const QString& name, const QRect& twips, const QString& toolTip,
                                   const QString& lightName, const QString& caption)
{
    auto* spot = new HotSpot(this);
    spot->setObjectName(name);
    spot->setGeometry(twips);
    spot->setToolTip(toolTip);
    spot->setAccessibleName(caption);
    spot->setAccessibleDescription(toolTip.isEmpty() ? caption : toolTip);
    spot->setCursor(Qt::PointingHandCursor);
    // Reached by Tab but not taken by a click, so the mouse works as before.
    spot->setFocusPolicy(Qt::TabFocus);
    connect(spot, &HotSpot::hovered, spot, [this, spot, lightName] { spot->SetPicture(pictures_.Picture(lightName)); });
    return spot;
}

void SkinnedDialog::SetKeyButtons(HotSpot* defaultButton, HotSpot* backButton)
{
    defaultButton_ = defaultButton;
    backButton_ = backButton;
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event)
{
    // A focused hot spot takes Return and Space itself; what arrives here
    // comes from a control that left the key unused.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    HotSpot* button = !plain                           ? nullptr
                      : enter                          ? defaultButton_
                      : event->key() == Qt::Key_Escape ? backButton_
                                                       : nullptr;
    if (button == nullptr) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    button->Click();
}

void SkinnedDialog::MarkKeyboardFocus()
{
    // White on the dark panel, as visible as the main window's accent frame
    // on its light body.
    focusMark_ = new FocusMark(*this, Qt::white);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != focusMark_ && (child->focusPolicy() & Qt::TabFocus))
            focusMark_->Track(*child);
}

void SkinnedDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), skin_);
}

bool SkinnedDialog::OnBareBackground(const QMouseEvent& event) const
{
    // Events that a label or another passive child let through are not on the
    // bare background: a press there must never move the window.
    return childAt(event.position().toPoint()) == nullptr;
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event)
{
    if (OnBareBackground(*event))
        drag_.Press(*event);
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (!drag_.active() && !OnBareBackground(*event))
        return;
    drag_.Move(*event);
    ResetHoverPictures();
}

void SkinnedDialog::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.Release(*event);
}

void SkinnedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    MarkKeyboardFocus();
    if (const QScreen* display = screen()) {
        QRect frame = geometry();
        frame.moveCenter(display->availableGeometry().center());
        move(KeepOnScreen(frame, display->availableGeometry()));
    }
}

}  // namespace tavoclip
