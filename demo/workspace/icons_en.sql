-- SPDX-License-Identifier: BSD-3-Clause
-- The demo's sample workspace in English: run on a file made from icons.sql,
-- it gives the folders and entries their English names.
BEGIN;
CREATE TEMP TABLE english (german TEXT PRIMARY KEY, name TEXT NOT NULL);
INSERT INTO english VALUES
  ('Büro', 'Office'), ('Persönlicher Ordner', 'Home folder'), ('Kunden', 'Customers'), ('Werkzeuge', 'Tools'),
  ('Drucken', 'Printing'), ('HTML ohne Dialog', 'HTML without dialog'), ('HTML mit Dialog', 'HTML with dialog'),
  ('Drei Texte', 'Three texts'), ('Klartext', 'Plain text'), ('Hilfe', 'Help'), ('Über die Demo', 'About the demo'),
  ('Beenden', 'Quit'), ('Eingaben', 'Inputs');
UPDATE rbox_data_1 SET c2 = coalesce((SELECT name FROM english WHERE german = c2), c2),
                       c3 = coalesce((SELECT name FROM english WHERE german = c3), c3);
COMMIT;
