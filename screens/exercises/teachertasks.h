// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frmcalcolo.h"

class Voice;
class frmcomplementare;
class frmmax;
class frmordine;
class frmsimbolo;

// F3 on an exercise opens «Scrivi i numeri dell'esercizio», where the
// teacher types the task of the textbook for the whole class; a task the
// exercise could have drawn replaces the one shown, and the next is drawn
// at random again.
void addTeacherTask(frmcalcolo &screen, const frmcalcolo::Range &range, Voice &voice);
void addTeacherTask(frmcomplementare &screen, Voice &voice);
void addTeacherTask(frmsimbolo &screen, Voice &voice);
void addTeacherTask(frmmax &screen, Voice &voice);
void addTeacherTask(frmordine &screen, Voice &voice);
