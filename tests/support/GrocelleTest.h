#pragma once

#include "dialogs/CFirstStartDlg.h"
#include "platform/widgets/MessageService.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

// Base fixture of every test: a fresh device folder ($GROCELLE_HOME) per
// test, the platform services replaced by recorders, and a check that the
// test left no top-level window behind.
class GrocelleTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The device folder of this test.
    QString home() const;
    // A file of the device folder.
    QString homeFile(const QString& name) const;

    // Message boxes shown so far, in order: their texts, and all they showed.
    QStringList messages;
    std::vector<MessageService::Box> boxes;
    // Yes/No boxes are answered from this queue, then with defaultAnswer.
    std::deque<int> answers;
    int defaultAnswer = 6; // Yes
    // The answer to a first start's box (CFirstStartDlg), whose tip is
    // recorded in messages.
    CFirstStartDlg::Choice firstStartChoice = CFirstStartDlg::Choice::Empty;
    // Sound requests, as the device paths the program asked for.
    QStringList sounds;

private:
    std::unique_ptr<QTemporaryDir> m_home;
};
