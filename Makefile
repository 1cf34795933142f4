# Thin wrappers over CMake. `make run` converts the bundled sample; `make test` builds and runs every test.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
SAMPLE_OUT ?= $(BUILD)/sample-out
# `make install PREFIX=/opt/ravelin DESTDIR=/tmp/stage` installs under $(DESTDIR)$(PREFIX).
PREFIX ?= /usr/local

.PHONY: all deps configure build run test install uninstall bench fuzz clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD)

run: build
	@mkdir -p $(SAMPLE_OUT)
	$(BUILD)/ravelin -i data/sample.pcx -o $(abspath $(SAMPLE_OUT))
	@ls -l $(SAMPLE_OUT)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# Removes every file the last install listed in its manifest (the link to the program included) under the
# same DESTDIR (CMake ends the manifest without a newline), and the program's own folder once it is empty.
uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "no $(BUILD)/install_manifest.txt: nothing installed from here"; exit 1; }
	@while IFS= read -r f || [ -n "$$f" ]; do \
	  if [ -e "$(DESTDIR)$$f" ] || [ -L "$(DESTDIR)$$f" ]; then echo "Removing $(DESTDIR)$$f"; rm -f "$(DESTDIR)$$f"; fi; \
	done < $(BUILD)/install_manifest.txt
	@if [ -d "$(DESTDIR)$(PREFIX)/lib/ravelin" ]; then find "$(DESTDIR)$(PREFIX)/lib/ravelin" -depth -type d -empty -delete; fi

bench:
	@scripts/install-deps
	@bench/run

fuzz:
	@scripts/install-deps
	@fuzz/run

clean:
	rm -rf $(BUILD)
