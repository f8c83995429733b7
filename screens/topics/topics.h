// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registry.h"

#include <QString>
#include <QStringList>

#include <vector>

class Settings;

// One screen a topic opens: its name, the caption of its button on the
// topics' choice screen (with its access key), and how it is built. It is
// built only when first opened, as every screen is.
struct TopicScreen
{
    const char *name;
    const char *choice;
    Registry::Factory make;
};

// A topic beyond the twelve screens, switched on by the teacher with the
// key argomenti/<key> of the settings file (the settings table defines every
// key). A topic with two ranges opens two screens, one button each.
struct Topic
{
    const char *key;
    std::vector<TopicScreen> screens;
};

// Every topic, in the order a teacher teaches them. A topic whose screens
// are not built yet has none: the teacher's window and the choice screen
// leave it out, and switching it on changes nothing.
const std::vector<Topic> &topics();

// The topics that have screens, as their settings keys ("argomenti/tipi").
QStringList topicKeys();
// Whether any topic with screens is switched on: only then has the main
// menu its «Altre quotelle».
bool anyTopicOn(const Settings &settings);

// The choice screen «Altre quotelle», and the topics' page of rules.
QString topicsChoice();
QString topicsRules();
// Every page of the topics' rules, the first the one the choice screen opens.
QStringList topicsRulesPages();

// Teaches the registry the topics' screens, the choice screen and the
// rules page; none is built until it is shown.
void addTopicScreens(Registry &registry);

// The names of every topic's screen, in the table's order.
QStringList topicScreenNames();
