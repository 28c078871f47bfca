# make run  - install what is missing, build, start the game
# make test - install what is missing, build, run every test
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CTEST_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DROPEWIT_WERROR=ON
endif

PACKAGES = cmake g++ make ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-liberation ccache xvfb xauth x11-utils libminiupnpc-dev libhiredis-dev redis-server desktop-file-utils appstream python3 iproute2 nftables

.PHONY: deps configure build run test clean format

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./tools/run-game.sh $(BUILD_DIR) $(ARGS)

test: build
	./tools/run-tests.sh $(BUILD_DIR) $(CTEST_FLAGS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
