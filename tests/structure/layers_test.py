#!/usr/bin/env python3
"""The folders of src/ are the libraries: checks that every include runs
downwards (gui/app -> gui/pages, gui/dialogs -> gui/widgets -> core), that the
core and the batch tool never reach Qt Widgets, and that CadIO stays plain C++
without Qt or the core."""
import glob
import os
import re
import sys
import unittest

SRC = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..', 'src')
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)

# Which project folders each folder may include (besides itself).
ALLOWED = {
    'cadio': set(),
    'core': {'core', 'cadio'},
    'cli': {'core', 'cli'},
    'gui/widgets': {'core', 'gui/widgets'},
    'gui/dialogs': {'core', 'gui/widgets', 'gui/dialogs'},
    'gui/pages': {'core', 'gui/widgets', 'gui/dialogs', 'gui/pages'},
    'gui/app': {'core', 'gui/widgets', 'gui/dialogs', 'gui/pages', 'gui/app'},
}
FOLDERS = ['gui/widgets', 'gui/dialogs', 'gui/pages', 'gui/app', 'core', 'cadio', 'cli']


def widgets_headers():
    """The class headers Qt Widgets installs, read from the installed module
    itself so a new widget class cannot slip past a hand-kept list."""
    names = {'QtWidgets'}
    for root in glob.glob('/usr/include/*/qt6/QtWidgets') + glob.glob('/usr/include/qt6/QtWidgets'):
        names.update(n for n in os.listdir(root) if not n.endswith('.h'))
    return names


def folder_of(relpath):
    for f in FOLDERS:
        if relpath == f or relpath.startswith(f + '/'):
            return f
    return None


def violations(src):
    widgets = widgets_headers()
    found = []
    for path in glob.glob(os.path.join(src, '**', '*.*'), recursive=True):
        if not path.endswith(('.h', '.cpp')):
            continue
        rel = os.path.relpath(path, src)
        own = folder_of(rel)
        if own is None:
            found.append(f'{rel}: lies in no library folder')
            continue
        with open(path, encoding='utf-8') as f:
            text = f.read()
        for quote, name in INCLUDE.findall(text):
            if quote == '<':
                module = name.split('/')[0]
                if own in ('core', 'cli', 'cadio') and (name in widgets or module == 'QtWidgets'):
                    found.append(f'{rel}: includes the Widgets header <{name}>')
                if own == 'cadio' and name.startswith('Q'):
                    found.append(f'{rel}: CadIO includes the Qt header <{name}>')
                continue
            if '/' not in name:
                if not os.path.exists(os.path.join(os.path.dirname(path), name)):
                    found.append(f'{rel}: includes "{name}" from another folder without its path')
                continue
            target = folder_of(name)
            if target is None or target not in ALLOWED[own] | {own}:
                found.append(f'{rel}: includes "{name}", which {own} may not include')
    return found


class LayersTest(unittest.TestCase):
    def test_every_include_runs_downwards(self):
        self.assertEqual([], violations(SRC))

    def test_the_check_sees_a_widget_in_the_core(self):
        import tempfile
        with tempfile.TemporaryDirectory() as tmp:
            for folder, text in [('core/project', '#include <QMessageBox>\n'),
                                 ('gui/widgets', '#include "gui/pages/PageHost.h"\n'),
                                 ('gui/pages', '#include "gui/app/CMainFrame.h"\n'),
                                 ('cadio', '#include <QString>\n')]:
                os.makedirs(os.path.join(tmp, folder), exist_ok=True)
                with open(os.path.join(tmp, folder, 'Bad.cpp'), 'w', encoding='utf-8') as f:
                    f.write(text)
            found = violations(tmp)
        self.assertEqual(4, len(found), found)


if __name__ == '__main__':
    unittest.main()
