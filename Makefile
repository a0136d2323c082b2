# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands a newcomer needs: `make run` and `make test`. Both install
# any missing Debian packages first (`make deps`, which inside a package build
# or without the rights to install only names them), then build with CMake in
# build/. Nothing else here installs packages: `make` builds and
# `make install` installs (DESTDIR and PREFIX as usual). The Debian package is
# made from debian/ (`make deb`).

BUILD      ?= build
ASAN_BUILD ?= build-asan
DEB_BUILD  ?= build-deb
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
CMAKE_ARGS ?=
# VELMORA_WERROR=ON (as .ci/run sets it) makes every warning an error.
CONFIGURE_ARGS = $(if $(VELMORA_WERROR),-DVELMORA_WERROR=$(VELMORA_WERROR)) $(CMAKE_ARGS)

# Where the program lies in the build tree, which keeps the installed layout.
PROGRAM = "$$(cat $(BUILD)/program-location)"

.PHONY: all deps configure build install run test test-sanitized bench mutants deb deb-check deb-qa pictures clips faces screenshot clean

all: build

deps:
	@scripts/install-deps.sh

configure:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CONFIGURE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD)

run: deps
	@$(MAKE) --no-print-directory build
	@$(PROGRAM)

# The whole suite, then the whole suite once more built with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer. Each benchmark runs once in
# it, with its limits off; `make bench` is where the limits hold.
test: deps
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE '^bench$$'
	@$(MAKE) --no-print-directory test-sanitized

# Any leak left at the end of a test program fails its test. The benchmarks
# run without their limits, as in the plain pass: the sanitizers change time
# and memory by design.
# A leak is excused only when a system library makes it, as listed with the
# reason in tests/support/lsan.supp.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0

test-sanitized: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON $(CONFIGURE_ARGS) > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) -LE '^bench$$'

# The benchmarks, one at a time on a machine left otherwise quiet: each prints
# its figures beside their limits and fails above a limit. Elsewhere, a plain
# `ctest` among them, the measured runs are skipped. The memory limit holds
# for the program as Debian builds it, writing with the system's whole faces,
# so that benchmark measures a build of its own in $(FACES_BUILD), of the
# program and the empty window alone.
FACES_BUILD ?= build-system-faces
BENCH_OUTPUT = sed -nE \
  -e '/^[0-9]+: (Test command|Working Directory|Environment variables|Test timeout| +[A-Z_]+=)/d' \
  -e 's/^[0-9]+: //p' -e '/Test +\#|tests passed|FAILED|^\s+[0-9]+ - /p'
bench: SHELL := /bin/bash
bench: .SHELLFLAGS := -o pipefail -c
bench: build
	@cmake -S . -B $(FACES_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SYSTEM_FONTS=ON $(CONFIGURE_ARGS) > /dev/null
	@cmake --build $(FACES_BUILD) -j $(JOBS) --target velmora startup_bench_bare_window
	@cd $(BUILD) && VELMORA_BENCH_MEASURE=1 ctest -L '^bench$$' -E '^bench_memory$$' --verbose | $(BENCH_OUTPUT)
	@cd $(FACES_BUILD) && VELMORA_BENCH_MEASURE=1 ctest -R '^bench_memory$$' --verbose | $(BENCH_OUTPUT)

# Plants faults one at a time in FILES, runs the tests that cover each file in
# the build tree, and names the faults they miss (scripts/mutants.py --help);
# EVERY=N plants only each Nth fault.
mutants: build
	@/usr/bin/python3 scripts/mutants.py --build $(BUILD) $(if $(EVERY),--every $(EVERY)) $(FILES)

# The Debian package, made by dpkg-buildpackage from a copy of the sources in
# $(DEB_BUILD)/velmora (see packaging/make-deb.sh), with the test suite unless
# DEB_BUILD_OPTIONS=nocheck; the package lands in $(DEB_BUILD)/.
deb:
	@packaging/make-deb.sh $(DEB_BUILD) --post-clean

# lintian on what `make deb` made, then the package's autopkgtest, which
# installs the package on this machine: never part of `make test`.
deb-check:
	lintian -I --pedantic $(DEB_BUILD)/velmora_*.changes
	autopkgtest -B $(DEB_BUILD)/velmora_*.deb $(DEB_BUILD)/velmora -- null

# The package checked as an upload is, in clean Debian 12 chroots kept in
# $(QA_DIR): sbuild with and without the tests, lintian, autopkgtest's
# unshare test bed and piuparts (packaging/debian-qa.sh). It installs
# nothing on this machine but reaches Debian's mirror.
QA_DIR ?= $(DEB_BUILD)/qa
deb-qa:
	@packaging/debian-qa.sh $(QA_DIR)

# Regenerate the committed assets from the tools that make them (`make deps`
# first installs what they need).
pictures:
	@tools/pictures/redraw.sh

clips:
	@tools/clips/make-clips.sh

faces:
	@tools/fonts/subset-faces.sh

# Photograph a round in progress for the README and the software centres, on a
# plain screen and on one of twice the scale.
screenshot: build
	@tests/support/with-xvfb.sh tools/screenshot/make-screenshot.sh $(PROGRAM) docs/screenshot.png
	@VELMORA_XVFB_SCREEN=1920x1200x24 tests/support/with-xvfb.sh \
	  tools/screenshot/make-screenshot.sh $(PROGRAM) docs/screenshot@2x.png 2

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(DEB_BUILD) $(FACES_BUILD)
