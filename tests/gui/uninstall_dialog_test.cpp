// The uninstall dialog: Next opens the uninstall page only with the box checked, Next and closing both end
// the dialog's wait, and the caption is never clipped.

#include "gui/uninstall_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace ravelin {

namespace {

class UninstallDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // One application for every window test of this program.
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_gui";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }

    // Runs the dialog's own wait with `act` as its first event; a wait that does not end fails the test.
    void RunWith(UninstallDialog& dialog, const std::function<void()>& act) {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&dialog] {
            ADD_FAILURE() << "the dialog did not end within 10 s";
            dialog.done(QDialog::Rejected);
        });
        watchdog.start(10'000);
        QTimer::singleShot(0, &dialog, act);
        dialog.exec();
    }

    std::vector<QString> opened;
    std::function<void(const QString&)> opener = [this](const QString& address) { opened.push_back(address); };
};

struct EndCase {
    const char* name;
    bool checked;
    bool clickNext;  // else the dialog is closed
    bool opens;
};

void PrintTo(const EndCase& param, std::ostream* out) {
    *out << param.name;
}

class UninstallDialogEnds : public UninstallDialogTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(UninstallDialogEnds, OpensThePageOnlyForNextWithTheBoxChecked) {
    const EndCase& param = GetParam();
    UninstallDialog dialog(opener);
    EXPECT_TRUE(dialog.visitBox()->isChecked()) << "the box starts checked";
    RunWith(dialog, [&] {
        if (!param.checked) QTest::mouseClick(dialog.visitBox(), Qt::LeftButton);
        if (param.clickNext) {
            QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
        } else {
            dialog.close();
        }
    });
    EXPECT_FALSE(dialog.isVisible());
    if (param.opens) {
        EXPECT_EQ(opened, std::vector<QString>{"https://www.orvanta.example/ravelin/uninstall.html"});
    } else {
        EXPECT_TRUE(opened.empty()) << opened.front().toStdString();
    }
}

const EndCase kEndCases[] = {
    {"NextChecked", true, true, true},
    {"NextUnchecked", false, true, false},
    {"CloseChecked", true, false, false},
};

INSTANTIATE_TEST_SUITE_P(Ends, UninstallDialogEnds, ::testing::ValuesIn(kEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UninstallDialogTest, CaptionFitsWithAnyFontSize) {
    const QFont original = QApplication::font();
    for (const int points : {0, 20}) {
        if (points > 0) {
            QFont large = original;
            large.setPointSize(points);
            QApplication::setFont(large);
        }
        UninstallDialog dialog(opener);
        dialog.show();
        const QRect inside(QPoint(0, 0), dialog.size());
        QCheckBox* box = dialog.visitBox();
        EXPECT_GE(box->width(), box->sizeHint().width()) << points << " pt";
        EXPECT_GE(box->height(), box->sizeHint().height()) << points << " pt";
        EXPECT_TRUE(inside.contains(box->geometry())) << points << " pt";
        EXPECT_TRUE(inside.contains(dialog.nextButton()->geometry())) << points << " pt";
        EXPECT_FALSE(box->geometry().intersects(dialog.nextButton()->geometry())) << points << " pt";
        if (points == 0) {
            EXPECT_EQ(dialog.size(), QSize(300, 100)) << "the usual font keeps the usual size";
        }
    }
    QApplication::setFont(original);
}

TEST_F(UninstallDialogTest, EveryControlIsNamed) {
    UninstallDialog dialog(opener);
    EXPECT_EQ(dialog.windowTitle(), "Uninstall");
    EXPECT_EQ(dialog.visitBox()->text(), "Full Uninstall - Visit Uninstall Center");
    EXPECT_EQ(dialog.nextButton()->text(), "Next");
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        EXPECT_FALSE(control->objectName().isEmpty()) << control->metaObject()->className();
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    }
}

}  // namespace

}  // namespace ravelin
