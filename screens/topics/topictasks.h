// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frmintero.h"

class Voice;
class frmdecimali;
class frmequivalenti;
class frmpercentuale;
class frmriconosco;
class frmtipi;

// F3 on a topic's screen opens «Scrivi i numeri dell'esercizio», as on the
// exercises: a task the screen could have drawn replaces the one shown.
void addTeacherTask(frmequivalenti &screen, Voice &voice);
void addTeacherTask(frmtipi &screen, Voice &voice);
void addTeacherTask(frmriconosco &screen, Voice &voice);
void addTeacherTask(frmintero &screen, const frmintero::Range &range, Voice &voice);
void addTeacherTask(frmdecimali &screen, Voice &voice);
void addTeacherTask(frmpercentuale &screen, Voice &voice);
