// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Voice;
class frmequivalenti;
class frmriconosco;
class frmtipi;

// F3 on a topic's screen opens «Scrivi i numeri dell'esercizio», as on the
// exercises: a task the screen could have drawn replaces the one shown.
void addTeacherTask(frmequivalenti &screen, Voice &voice);
void addTeacherTask(frmtipi &screen, Voice &voice);
void addTeacherTask(frmriconosco &screen, Voice &voice);
