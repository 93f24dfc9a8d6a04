// Marks a text that the front ends show in the user's language. The text
// stays the Russian original (the report and the stored formats use it as
// it is); `lupdate` collects it under its context into the catalogues of
// translations/, and the window and the command-line tool look it up there
// (i18n/catalogue.h) with the same context.
#pragma once

#define TAVRO_TRANSLATABLE(context, text) text
