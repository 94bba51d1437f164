// Identifiers of every resource and control of the program. Shared by the
// resource scripts and the code; keep it to #define lines the resource
// compiler understands (C++ only below RC_INVOKED).
#pragma once

// Controls that the code never addresses
#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

// Dialog templates
#define IDD_ABOUT               100
#define IDD_GAME                102
#define IDD_SETTINGS            103
#define IDD_STARTWORD           104
#define IDD_LOADING             105
#define IDD_WORDLIST            106
#define IDD_MESSAGE             175

// Pictures
#define IDB_WARNING             107
#define IDI_APP                 108
#define IDB_LOGO                172
#define IDI_MSG_NOTICE          177
#define IDI_MSG_ERROR           178
#define IDI_MSG_QUESTION        180
// Letter icons: IDI_LETTER_BASE plus the letter's Windows-1252 byte.
#define IDI_LETTER_BASE         1000

// Menu of the main window
#define IDR_MAINMENU            109

// Sounds (WAVE resources)
#define IDW_KEY                 110
#define IDW_TIMEUP              111
#define IDW_WARNING             112
#define IDW_SHUFFLE             113
#define IDW_ACCEPTED            114
#define IDW_BACK                115
#define IDW_UNKNOWN             116
#define IDW_ALLFOUND            117
#define IDW_GIVEUP              118
#define IDW_LOST                119

// Menu commands
#define ID_OPT_SOUND            120
#define ID_OPT_SETTINGS         121
#define ID_OPT_STARTWORD        122
#define ID_FILE_QUIT            123
#define ID_FILE_WORDLIST        124
#define ID_HELP_ABOUT           125
#define ID_HELP_TIPS            126
#define ID_OPT_UPPERCASE        169
#define ID_OPT_SUBSTITUTE       170
#define ID_HELP_README          171
#define ID_OPT_LAX              182

// Main window (template 102)
#define IDC_BACK                127
#define IDC_SHUFFLE             128
#define IDC_NEW                 129
#define IDC_GIVEUP              130
#define IDC_ENTER               131
#define IDC_LETTERBAND          132
#define IDC_BUTTONPANEL         133
#define IDC_LISTPANEL           134
#define IDC_STATUS              135
#define IDC_FOUND               136
#define IDC_INPUT               139
#define IDC_TIME                145
#define IDC_MISTRIALS           148
#define IDC_COUNTERSTRIP        149
#define IDC_QUIT                156
#define IDC_RESULTLIST          166
// Letter buttons are created at run time from this identifier upwards.
#define IDC_LETTERBUTTON_BASE   5000

// Game settings dialog (template 103)
#define IDC_USEDURATION         140
#define IDC_WORDLIMIT_SPIN      141
#define IDC_WORDLIMIT           142
#define IDC_ANGLIMIT            143
#define IDC_ANGLIMIT_SPIN       144
#define IDC_USEMISTRIALS        146
#define IDC_DURATION_SPIN       147
#define IDC_MISTRIALS_SPIN      150
#define IDC_SETTINGS_OK         153
#define IDC_SETTINGS_CANCEL     154
#define IDC_DURATION            161
#define IDC_MISTRIALS_EDIT      163

// Start-word dialog (template 104)
#define IDC_STARTWORD           151
#define IDC_STARTGAME           152
#define IDC_STARTWORD_CANCEL    155

// Word list dialog (template 106); its buttons are IDOK and IDCANCEL
#define IDC_LISTPATH            158
#define IDC_BROWSE              159
#define IDC_LISTRULES           160
#define IDC_STANDARDLIST        167
#define IDC_OWNLIST             168

// About dialog (template 100); its button is IDOK
#define IDC_MAILLINK            173
#define IDC_WEBLINK             174
#define IDC_SITELINK            176

// Message dialog (template 175); its buttons are IDYES, IDOK and IDNO
#define IDC_MSG_ICON            179
#define IDC_MSG_TEXT            181

// Loading window (template 105)
#define IDC_LOADING_TEXT        183

