-- SPDX-License-Identifier: BSD-3-Clause
-- The demo's sample workspace in the record engine's file format (see
-- rbox/README.md): one data set per node in pre-order, an empty one for
-- each folder's up link.
PRAGMA application_id = 1380077400;
PRAGMA user_version = 1;
BEGIN;
CREATE TABLE rbox_tables (tbl INTEGER PRIMARY KEY, datasets INTEGER NOT NULL);
CREATE TABLE rbox_columns (tbl INTEGER NOT NULL, position INTEGER NOT NULL, name TEXT NOT NULL,
                           type INTEGER NOT NULL, PRIMARY KEY (tbl, position), UNIQUE (tbl, name)) WITHOUT ROWID;
CREATE TABLE rbox_data_1 (id INTEGER PRIMARY KEY, c1 TEXT, c2 TEXT, c3 TEXT, c4 TEXT, c5 TEXT, c6 TEXT, c7 TEXT,
                          c8 TEXT);
INSERT INTO rbox_tables VALUES (1, 18);
INSERT INTO rbox_columns VALUES
  (1, 1, 'Type/ENUM', 8), (1, 2, 'Parent/STRING', 8), (1, 3, 'Name/STRING', 8), (1, 4, 'Functionality/STRING', 8),
  (1, 5, 'IconFilename/STRING', 8), (1, 6, 'XPos/INT', 8), (1, 7, 'YPos/INT', 8), (1, 8, 'Depth/INT', 8);
INSERT INTO rbox_data_1 VALUES
  (0, 'Directory', 'root', 'Büro', '', 'directory.bmp', '0', '0', '1'),
  (1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  (2, 'User', 'Büro', 'Persönlicher Ordner', 'xdg-open "$HOME" &', ':/pictures/document.png', '0', '0', '1'),
  (3, 'System', 'Büro', 'Kunden', 'kunden', ':/pictures/people.png', '0', '0', '2'),
  (4, 'Directory', 'root', 'Werkzeuge', '', 'directory.bmp', '0', '0', '2'),
  (5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  (6, 'User', 'Werkzeuge', 'Terminal', 'x-terminal-emulator &', ':/pictures/terminal.png', '0', '0', '1'),
  (7, 'System', 'Werkzeuge', 'Editor', 'editor', ':/pictures/editor.png', '0', '0', '2'),
  (8, 'Directory', 'root', 'Drucken', '', 'directory.bmp', '0', '0', '3'),
  (9, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  (10, 'System', 'Drucken', 'HTML ohne Dialog', 'print-html-printer', ':/pictures/printer.png', '0', '0', '1'),
  (11, 'System', 'Drucken', 'HTML mit Dialog', 'print-html-dialog', ':/pictures/printer.png', '0', '0', '2'),
  (12, 'System', 'Drucken', 'Drei Texte', 'print-html-list', ':/pictures/printer.png', '0', '0', '3'),
  (13, 'System', 'Drucken', 'Klartext', 'print-plain', ':/pictures/printer.png', '0', '0', '4'),
  (14, 'System', 'root', 'Hilfe', 'help', ':/pictures/help.png', '0', '0', '4'),
  (15, 'System', 'root', 'Über die Demo', 'about', ':/pictures/document.png', '0', '0', '5'),
  (16, 'System', 'root', 'Beenden', 'quit', ':/pictures/quit.png', '0', '0', '6'),
  (17, 'System', 'Werkzeuge', 'Eingaben', 'inputs', ':/pictures/form.png', '0', '0', '3');
COMMIT;
