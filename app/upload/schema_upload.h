#pragma once
// "&Записати схему в Orvo_Tesk": the menu handler that starts the schema
// upload and the tick handler of Timer_05 that drives it, with the write
// progress window on top. The steps themselves are SchemaStepper's. The
// upload holds the link from its start to its end and is refused while a
// transfer of another kind holds it.

#include "link/transfer_driver.h"
#include "upload/schema_stepper.h"

#include <QObject>

class QTimer;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;

extern const char16_t *const kComPortError; // "Помилка СОМ порту!"
// Said instead of writing while the project's netlist is not loaded.
extern const char16_t *const kNoSchemaToWrite;

class SchemaUpload : public QObject {
    Q_OBJECT

public:
    SchemaUpload(ProjectModel &m, MainWindowPort &main);

    // Designed disabled, 100 ms.
    QTimer *Timer_05;

    void MnuSaveOrvo_Click();
    void Timer_05_Timer();
    // Stops a run in progress at once, without a message (an error escaped
    // a handler): the timer stops, the link is given back, the progress
    // window goes and the settings dialog is enabled again. Nothing when no
    // run holds the link.
    void stop();

    const SchemaStepper &stepper() const { return stepper_; }

private:
    void show(const SchemaStepper::Result &r);

    ProjectModel &m_;
    MainWindowPort &main_;
    SchemaStepper stepper_;
    TransferDriver driver_;
};

} // namespace pelmora
