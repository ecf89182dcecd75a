#pragma once

#include "engine/lottery.h"
#include "screens/screens.h"
#include "screens/services/forms.h"
#include "screens/services/messages.h"
#include "screens/services/printer.h"
#include "screens/services/program.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The program's windows with scripted message boxes, a recording printer and a program end
// that only counts.
class WindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        numora::engine::resetState();
        numora::setMessages(&boxes);
        numora::setPrinter(&paper);
        numora::setProgram(&ending);
        numora::registerScreens(numora::forms());
    }
    void TearDown() override
    {
        numora::forms().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        numora::setMessages(nullptr);
        numora::setPrinter(nullptr);
        numora::setProgram(nullptr);
    }

    template<class T = QWidget>
    T *child(const QString &window, const QString &name)
    {
        QWidget *w = numora::forms().form(window);
        return w ? w->findChild<T *>(name) : nullptr;
    }
    void click(const QString &window, const QString &name)
    {
        auto *b = child<QAbstractButton>(window, name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        ASSERT_TRUE(b->isEnabled()) << name.toStdString();
        b->click();
    }
    void clickLabel(const QString &window, const QString &name)
    {
        auto *l = child<QLabel>(window, name);
        ASSERT_NE(l, nullptr) << name.toStdString();
        QTest::mouseClick(l, Qt::LeftButton);
    }

    numora::ScriptedMessages boxes;
    numora::RecordingPrinter paper;
    numora::RecordingProgram ending;
};
