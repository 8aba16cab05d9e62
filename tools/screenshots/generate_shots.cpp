// generate_shots: grabs PNG screenshots of Frame > Generate... for review:
// the dialog laying a two-headed chase on rings 2 and 3 over frames drawn
// on ring 4, added to them, playing in its preview, and the editor after OK
// with the new frames selected and the Edit menu naming the step it undoes.
//
// Usage:
//   generate_shots [output folder]        (default: the current folder)
//
// Needs the board pictures beside this program and a display: run it under
// `xvfb-run -a` or with -platform offscreen. Writes generate_dialog.png,
// generate_inserted.png and the user guide's guide_generate.png (copied to
// docs/guide/images/).

#include "HighDpi.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "ShotFiles.h"
#include "ShotWindow.h"
#include "dialogs/GenerateDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace ShotFiles;

int main(int argc, char* argv[])
{
    HighDpi::enable();
    QApplication app(argc, argv);
    ShotFiles::speakDesktopLanguage();
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    const QDir out = outputFolder(argc, argv);

    ShotWindow shot;
    MainWindow& window = shot.window();
    // Twelve frames of a pattern on the outer ring turning slowly.
    for (int i = 0; i < 12; ++i) {
        QVector<int> leds;
        for (int k = 0; k < 48; k += 4)
            leds << 144 + (k + i / 3) % 48;
        shot.appendFrame(leds);
    }
    shot.showFrame(0);

    bool ok = true;
    QTimer::singleShot(300, &window, [&] {
        auto* dialog = qobject_cast<GenerateDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ok = false;
            return;
        }
        dialog->findChild<QComboBox*>(QStringLiteral("kindComboBox"))->setCurrentIndex(EffectRequest::Chase);
        dialog->findChild<QCheckBox*>(QStringLiteral("ring0CheckBox"))->setChecked(false);
        dialog->findChild<QCheckBox*>(QStringLiteral("ring3CheckBox"))->setChecked(false);
        dialog->findChild<QRadioButton*>(QStringLiteral("overRadioButton"))->setChecked(true);
        dialog->findChild<QComboBox*>(QStringLiteral("combineComboBox"))->setCurrentIndex(EffectRequest::Add);
        dialog->findChild<QComboBox*>(QStringLiteral("chaseHeadsComboBox"))
            ->setCurrentText(QStringLiteral("2"));
        dialog->findChild<QSpinBox*>(QStringLiteral("chaseLengthSpinBox"))->setValue(6);
        dialog->findChild<QSpinBox*>(QStringLiteral("chaseStepSpinBox"))->setValue(2);
        dialog->findChild<QSpinBox*>(QStringLiteral("chaseCountSpinBox"))->setValue(24);
        settle();
        ok &= save(dialog, out, QStringLiteral("generate_dialog.png"));
        ok &= save(dialog->grab().scaledToWidth(560, Qt::SmoothTransformation), out,
            QStringLiteral("guide_generate.png"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window.findChild<QAction*>(QStringLiteral("action_FrameGenerate"))->trigger();
    settle();

    QMenu* editMenu = openMenu(window.mainMenu(), QStringLiteral("menu_Edit"));
    ok &= save(composite(window, { editMenu }), out, QStringLiteral("generate_inserted.png"));
    editMenu->hide();
    return ok ? 0 : 1;
}
