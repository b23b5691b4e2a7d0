// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QUndoCommand>
#include <QUndoStack>
#include <QWidget>

#include "shell/DocumentCommands.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

using test::captureMessageBox;
using test::MessageBoxSeen;

enum class Command { Open, Save };

// A file command on a document with one unsaved edit, saved before as "old.doc".
struct CommandCase {
    const char* name;
    Command command;
    const char* failure;  // what the reader or writer says; "" when it succeeds
    const char* caption;  // afterwards
    bool modified;
    int commands;  // left on the stack
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class DocumentCommandsTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(DocumentCommandsTest, SucceedsOrReportsWhyAndLeavesTheDocumentAsItWas) {
    const CommandCase& c = GetParam();
    QWidget window;
    QUndoStack stack;
    QString failure;
    const auto file = [&](const QString&) { return failure; };
    DocumentCommands commands(&window, &stack,
                              {QStringLiteral("Doc"),
                               QStringLiteral("Doc - %1[*]"),
                               QStringLiteral("Untitled"),
                               QStringLiteral("Save?"),
                               {},
                               {},
                               {},
                               QStringLiteral("doc"),
                               {},
                               {},
                               {}},
                              file, file, [] {});
    const QString old = QDir::current().absoluteFilePath(QStringLiteral("old.doc"));
    ASSERT_TRUE(commands.saveFile(old));
    stack.push(new QUndoCommand(QStringLiteral("edit")));
    ASSERT_TRUE(window.isWindowModified());

    failure = QString::fromLatin1(c.failure);
    bool done = false;
    const MessageBoxSeen seen = captureMessageBox([&] {
        done = c.command == Command::Open ? commands.openFile(QStringLiteral("new.doc"))
                                          : commands.saveFile(QStringLiteral("new.doc"));
    });
    EXPECT_EQ(done, failure.isEmpty());
    EXPECT_EQ(seen.shown, !failure.isEmpty());
    if (seen.shown) {
        EXPECT_EQ(seen.title, QStringLiteral("Doc"));
        EXPECT_EQ(seen.text, failure);
    }
    EXPECT_EQ(window.windowTitle(), QString::fromLatin1(c.caption));
    EXPECT_EQ(window.isWindowModified(), c.modified);
    EXPECT_EQ(stack.count(), c.commands);
    EXPECT_EQ(commands.path(), QDir::current().absoluteFilePath(
                                   failure.isEmpty() ? QStringLiteral("new.doc") : old));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DocumentCommandsTest,
    ::testing::Values(
        CommandCase{"save", Command::Save, "", "Doc - new.doc[*]", false, 1},
        CommandCase{"failed save", Command::Save, "The disk is full.", "Doc - old.doc[*]", true, 1},
        CommandCase{"open", Command::Open, "", "Doc - new.doc[*]", false, 0},
        CommandCase{"failed open", Command::Open, "Not a document.", "Doc - old.doc[*]", true, 1}),
    [](const auto& info) {
        QString name = QString::fromLatin1(info.param.name);
        return name.remove(u' ').toStdString();
    });

}  // namespace
}  // namespace aerolume
