#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plants one fault at a time in each source file named, rebuilds what the
tests that cover the file need, runs them, and prints each fault none of them
caught as `file:line: change`, then the share caught. The faults: comparison,
logical, arithmetic and bitwise operators swapped, integer constants one more
or less, true and false swapped, a `!`, an operand of && or || or a statement
alone on its line dropped, if and while conditions negated. A fault that does
not compile is not counted; a test that fails twice, or runs past its time,
has caught it (a busy machine may fail a timed test once).

The tests that cover a file are the CTest tests that run a program of the
build tree holding a function or data the file's object defines (by nm), but
those with a label --skip-labels matches; the one named after the file runs
first, then the fastest, and the last to catch a fault moves to the front. A
survivor that changes no behaviour is listed, with the reason, in
mutants-equivalent.txt beside this script. The file is restored after each
fault, also when interrupted; a run killed outright leaves a copy in the build
tree that the next run restores. At the end the programs are rebuilt from the
sources.
"""
import argparse, json, os, re, shutil, signal, subprocess, sys, tempfile, time

BINARY = [p.split() for p in '== !=,!= ==,< <=,<= <,> >=,>= >,&& ||,|| &&,+ -,- +,* /,/ *,+= -=,-= +=,<< >>,'
                             '>> <<,& |,| &'.split(',')]
NUMBER = re.compile(r'(?<![\w.])(0[xX][0-9A-Fa-f]+|\d+)([uUlL]*|ms|s)(?![\w.])')
LITERAL = re.compile(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'')
DECLARATION = re.compile(r'(?:(?:const|constexpr|static|unsigned|struct)\s+)*[A-Za-z_][\w:]*(?:<.*>)?[\s*&]+'
                         r'(?:const\s+)?[A-Za-z_]\w*\s*(?:[=({\[;]|$)')
STOPS = ('&&', '||', '?', ',', ';', '{', 'return ')


def code_only(line):
    """The line with a preprocessor line, its comment and the insides of its literals blanked."""
    if line.lstrip().startswith('#'):
        return ' ' * len(line)
    line = LITERAL.sub(lambda m: m.group()[0] + '\x01' * (len(m.group()) - 2) + m.group()[-1], line)
    comment = line.find('//')
    return line if comment < 0 else line[:comment] + ' ' * (len(line) - comment)


def operand_end(code, i, step):
    """The far end of the operand of a logical operator, from i leftwards (-1) or rightwards (1)."""
    depth = 0
    while 0 <= i < len(code):
        depth += {'(': step, ')': -step}.get(code[i], 0)
        ends = code[i:].startswith if step == 1 else code[:i + 1].endswith
        assignment = code[i] == '=' and code[i - 1] not in '=!<>' and code[i + 1:i + 2] != '='
        label = code[i] == ':' and ':' not in (code[i - 1], code[i + 1:i + 2])
        if depth < 0 or depth == 0 and (any(map(ends, STOPS)) or assignment or label):
            break
        i += step
    i -= step
    while code[i] == ' ':
        i -= step
    return i


def faults(lines):
    """Each fault as the number of the line it changes, the line changed and what changed."""
    code = [code_only(line) for line in lines]
    for n, (line, c) in enumerate(zip(lines, code)):
        found = []  # where, how many characters, replaced by what, change
        for old, new in BINARY:
            for m in re.finditer(r'(?<=[\w)\]\'"]) %s (?=[\w(!*\'"-])' % re.escape(old), c):
                found.append((m.start() + 1, len(old), new, f"'{old}' -> '{new}'"))
        for m in re.finditer(r'\+\+|--|\btrue\b|\bfalse\b', c):
            new = {'++': '--', '--': '++', 'true': 'false', 'false': 'true'}[m.group()]
            found.append((m.start(), len(m.group()), new, f"'{m.group()}' -> '{new}'"))
        for m in re.finditer(r'(?<![\w)\]])!(?!=)', c):
            found.append((m.start(), 1, '', "'!' dropped"))
        for m in NUMBER.finditer(c):
            text, value = m.group(1), int(m.group(1), 0)
            for v in ([value + 1, value - 1] if value else [1]):
                new = '0x%0*X' % (len(text) - 2, v) if text[:2] in ('0x', '0X') else str(v)
                found.append((m.start(1), len(text), new, f'{text} -> {new}'))
        if m := re.match(r'(.*?\b(?:if|while) \()(.*)\)( {)?$', c.rstrip()):  # a condition on one line
            found.append((m.end(1), m.end(2) - m.end(1), f'!({line[m.start(2):m.end(2)]})',
                          f'condition ({line[m.start(2):m.end(2)]}) negated'))
        for m in re.finditer(r' (&&|\|\|) ', c):
            left, right = operand_end(c, m.start() - 1, -1), operand_end(c, m.end(), 1)
            if left < m.start() and right >= m.end():
                found.append((left, m.end() - left, '', f"'{line[left:m.end()].strip()}' dropped"))
                found.append((m.start(), right + 1 - m.start(), '', f"'{line[m.start():right + 1].strip()}' dropped"))
        statement = c.strip()
        previous = next((p.strip() for p in reversed(code[:n]) if p.strip()), ';')
        if statement.endswith(';') and statement.count('(') == statement.count(')') and \
                (previous[-1] in ';{}):' or previous.endswith('else')) and \
                not re.match(r'(return|case|default|using)\b|}', statement) and not DECLARATION.match(statement):
            indent = len(line) - len(line.lstrip())
            found.append((indent, len(line.rstrip()) - indent, '{}', f"'{line.strip()}' dropped"))
        seen = set()
        for at, length, new, change in sorted(found):
            mutated = line[:at] + new + line[at + length:]
            if mutated != line and mutated not in seen:
                seen.add(mutated)
                yield n, mutated, change


class Runner:
    def __init__(self, args):
        self.build, self.args, self.symbols, self.time, self.used = args.build, args, {}, {}, set()
        # A test cut short leaves its temporary files here, removed at the end.
        self.tmp = tempfile.mkdtemp(prefix='mutants-tmp-', dir=self.build)
        with open(os.path.join(os.path.dirname(__file__), 'mutants-equivalent.txt')) as f:
            self.equivalent = [[s.strip() for s in l.split(' | ', 3)] for l in f if l.strip() and l[0] != '#']
        self.tests = json.loads(subprocess.run(['ctest', '--test-dir', self.build, '--show-only=json-v1'],
                                               capture_output=True, text=True, check=True).stdout)['tests']
        with open(os.path.join(self.build, 'compile_commands.json')) as f:
            self.objects = {os.path.realpath(e['file']): os.path.join(e['directory'], (c := e['command'].split())[
                c.index('-o') + 1]) for e in json.load(f)}
        for t in self.tests:  # the programs of the build tree that each test runs
            t['programs'] = [w for w in t['command'] if w.startswith(self.build + '/') and os.path.isfile(w)
                             and open(w, 'rb').read(4) == b'\x7fELF']
            t['properties'] = {p['name']: p['value'] for p in t.get('properties', [])}

    @staticmethod
    def defined(binary, kinds='TDRBVWtdrbvw'):
        out = subprocess.run(['nm', '--defined-only', binary], capture_output=True, text=True).stdout
        return {s[2] for s in (l.split(' ', 2) for l in out.splitlines()) if len(s) == 3 and s[1] in kinds}

    def covering(self, source):
        mine = self.defined(self.objects[os.path.realpath(source)], 'TDRB')
        return [t for t in self.tests
                if not any(re.search(self.args.skip_labels, label) for label in t['properties'].get('LABELS', []))
                and any(mine & self.symbols.setdefault(p, self.defined(p)) for p in t['programs'])]

    @staticmethod
    def run(command, timeout=None, **options):
        """The exit status, or None past the time; what the command started ends with it if it is cut short."""
        proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True, **options)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        finally:
            if proc.poll() is None:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()

    def make(self, tests, source=None):
        """Builds the tests' programs; after a fault, with make, only the file's library and their links."""
        targets = sorted({os.path.basename(p) for t in tests for p in t['programs']})
        self.used.update(targets)
        steps = [['cmake', '--build', self.build, '-j2', '--target', *targets]]
        if source and os.path.exists(os.path.join(self.build, 'Makefile')):
            library = re.search(r'CMakeFiles/([^/]+)\.dir/', self.objects[os.path.realpath(source)]).group(1)
            steps = [['make', '-C', self.build, f'{library}/fast'],
                     ['make', '-C', self.build, '-j2', *(f'{t}/fast' for t in targets)]]
        return all(self.run(s) == 0 for s in steps)

    def passes(self, test, timeout):
        props, start = test['properties'], time.monotonic()
        env = dict(os.environ, TMPDIR=self.tmp, **dict(e.split('=', 1) for e in props.get('ENVIRONMENT', [])))
        rc = self.run(test['command'], timeout, cwd=props.get('WORKING_DIRECTORY', self.build), env=env)
        self.time.setdefault(test['name'], time.monotonic() - start)
        return rc in (0, props.get('SKIP_RETURN_CODE', 0))

    def outcome(self, tests, path):
        built = set()  # each program is built for a fault only when a test needs it
        for t in tests:
            if not set(t['programs']) <= built and not self.make([t], path):
                return 'broken'
            built |= set(t['programs'])
            timeout = self.args.timeout or max(20, 5 * self.time[t['name']])
            if not self.passes(t, timeout) and not self.passes(t, timeout):
                tests.insert(0, tests.pop(tests.index(t)))  # likely to catch the next fault of the file first
                return 'caught'
        return 'survived'


def measure(runner, path):
    with open(path) as f:
        pristine = f.read()
    lines, counts, same = pristine.split('\n'), {'caught': 0, 'survived': 0, 'broken': 0}, []
    found = list(faults(lines))[::runner.args.every]
    if not (tests := runner.covering(path)) or not runner.make(tests):
        sys.exit(f'{path}: no test covers it, or its tests do not build')
    if failing := [t['name'] for t in tests if not runner.passes(t, runner.args.timeout or 600)]:
        sys.exit(f'{path}: {" ".join(failing)} fail before any fault is planted')
    stem = os.path.splitext(os.path.basename(path))[0].lower()
    tests.sort(key=lambda t: (stem not in t['name'].lower().replace('_', ''), runner.time[t['name']]))
    print(f'{path}: {len(found)} faults; tests: {" ".join(t["name"] for t in tests)}', flush=True)
    backup = os.path.join(runner.build, 'mutants', path.replace('/', '%'))
    os.makedirs(os.path.dirname(backup), exist_ok=True)
    shutil.copyfile(path, backup)
    try:
        for i, (n, mutated, change) in enumerate(found):
            print(f'  {i + 1}/{len(found)}', end='\r', file=sys.stderr, flush=True)
            with open(path, 'w') as f:
                f.write('\n'.join(lines[:n] + [mutated] + lines[n + 1:]))
            result, where = runner.outcome(tests, path), f'{path}:{n + 1}: {change}'
            why = next((w for f, text, c, w in runner.equivalent
                        if f == path and re.search(text, lines[n]) and re.search(c, change)), None)
            if result == 'survived' and why:
                same.append(f'{where} (equivalent: {why})')
                continue
            counts[result] += 1
            if result == 'survived':
                print(where, flush=True)
    finally:
        with open(path, 'w') as f:
            f.write(pristine)
        os.remove(backup)
    print(*same, sep='\n', end='\n' if same else '')
    caught, counted = counts['caught'], counts['caught'] + counts['survived']
    print(f'{path}: {caught} of {counted} caught ({100 * caught / max(counted, 1):.1f} %); '
          f'{len(same)} equivalent, {counts["broken"]} do not compile', flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('files', nargs='+', metavar='FILE', help='a source file, from the top folder')
    parser.add_argument('--build', default='build', help='an existing build tree (default: build)')
    parser.add_argument('--timeout', type=float, help='seconds a test may run (default: 5 times its own, or 20)')
    parser.add_argument('--every', type=int, default=1, help='plant only each Nth fault, for a quick estimate')
    parser.add_argument('--skip-labels', default='^(xvfb|bench|package)$', help='default: %(default)s')
    args = parser.parse_args()
    args.build = os.path.realpath(args.build)
    os.chdir(os.path.dirname(os.path.dirname(os.path.realpath(__file__))))
    for s in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, signal.default_int_handler)
    kept = os.path.join(args.build, 'mutants')
    for name in os.listdir(kept) if os.path.isdir(kept) else []:
        print(f'{name.replace("%", "/")}: restored after a run that was killed', file=sys.stderr)
        shutil.move(os.path.join(kept, name), name.replace('%', '/'))
    runner = Runner(args)
    try:
        for path in args.files:
            measure(runner, path)
    finally:
        shutil.rmtree(runner.tmp, ignore_errors=True)
        if runner.used:
            runner.make([t for t in runner.tests if set(map(os.path.basename, t['programs'])) & runner.used])


if __name__ == '__main__':
    try:
        main()
    except KeyboardInterrupt:
        sys.exit('interrupted; the sources are as they were')
