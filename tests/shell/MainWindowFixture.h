#pragma once

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HotSpot.h"
#include "MessageSink.h"
#include "RecordingMessageSink.h"
#include "SettingsStore.h"
#include "ShellDesktop.h"
#include "ShellOperations.h"
#include "SourceQueue.h"
#include "frmMain.h"

namespace tavoclip::testing {

// Records which operation each route reached, by name.
class RecordingOperations final : public ShellOperations {
public:
    std::vector<std::string> calls;
    std::function<void()> onStartBatch;
    void AddFiles() override { calls.push_back("AddFiles"); }
    void AddFolder() override { calls.push_back("AddFolder"); }
    void RemoveSelected() override { calls.push_back("RemoveSelected"); }
    void RemoveAll() override { calls.push_back("RemoveAll"); }
    void ShowOptions() override { calls.push_back("ShowOptions"); }
    void ShowFeedback() override { calls.push_back("ShowFeedback"); }
    void BrowseOutputFolder() override { calls.push_back("BrowseOutputFolder"); }
    void StartBatch() override
    {
        calls.push_back("StartBatch");
        if (onStartBatch)
            onStartBatch();
    }
    bool keepFolders = false;
    bool KeepFolders() const override { return keepFolders; }
    void SetKeepFolders(bool on) override
    {
        keepFolders = on;
        calls.push_back(on ? "KeepFolders on" : "KeepFolders off");
    }
};

// Popups do not block: the test says beforehand which item (by objectName)
// the user picks, if any.
class FakeDesktop final : public ShellDesktop {
public:
    struct Popup {
        QString menu;
        QPoint position;
    };
    std::vector<QUrl> opened;
    std::vector<QString> aboutBoxes;
    std::vector<Popup> popups;
    QString pick;
    bool canOpen = true;  // false: no program to open anything with

    bool OpenUrl(const QUrl& url) override
    {
        opened.push_back(url);
        return canOpen;
    }
    void ShowAbout(const QString& title, const QString&) override { aboutBoxes.push_back(title); }
    void PopupMenu(QMenu& menu, const QPoint& position) override
    {
        popups.push_back({menu.objectName(), position});
        if (pick.isEmpty())
            return;
        if (QAction* item = menu.findChild<QAction*>(pick))
            item->trigger();
    }
};

// A main window over a temporary program folder, with every outside party
// replaced by a recorder.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    frmMain& Window()
    {
        if (!window) {
            window = std::make_unique<frmMain>(MainWindowParts{folder.path(), QStringLiteral("1.2.3"), store, options,
                                                               queue, operations, desktop, messages,
                                                               [this] { ++cleanups; }, [this] { ++endings; }});
            window->Form_Load();
        }
        return *window;
    }

    template <typename T = QWidget>
    T& Control(const QString& name)
    {
        T* control = Window().findChild<T*>(name);
        if (control == nullptr)
            throw std::runtime_error("no control " + name.toStdString());
        return *control;
    }

    HotSpot& Spot(const QString& name) { return Control<HotSpot>(name); }

    static void Send(QWidget& target, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton, QPoint pos = {2, 2})
    {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(pos), target.mapToGlobal(QPointF(pos)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }
    static void Hover(QWidget& target) { Send(target, QEvent::MouseMove); }
    static void Click(QWidget& target)
    {
        Send(target, QEvent::MouseButtonPress);
        Send(target, QEvent::MouseButtonRelease);
    }
    // A pointer move over a bare spot of the skin, between the toolbar and
    // the lists.
    void HoverBackground() { Send(Window(), QEvent::MouseMove, Qt::NoButton, {350, 118}); }

    std::string ReadProgramFile(const QString& name) const
    {
        QFile file(folder.path() + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    void WriteProgramFile(const QString& name, const QByteArray& content) const
    {
        QFile file(folder.path() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
    SettingsStore store{folder.path()};
    ConversionOptions options;
    SourceQueue queue;
    RecordingOperations operations;
    FakeDesktop desktop;
    RecordingMessageSink messages;
    int cleanups = 0;
    int endings = 0;
    std::unique_ptr<frmMain> window;
};

}  // namespace tavoclip::testing
